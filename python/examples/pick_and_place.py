"""Picks nine parts from a 3 x 3 grid and stacks them at one place, as rows of the window's table.

The rows stay in the table (Ctrl+Z in the window takes them out again) and are played once.
"""

from arvex import Arm, Row

GRID_ORIGIN = (170.0, -60.0)  # x, y of the first part (mm)
PITCH = 30.0  # distance between parts (mm)
PICK_Z = 0.0
PLACE = (200.0, 120.0)
PART_HEIGHT = 5.0


def grid_rows() -> list:
    rows = []
    for i in range(9):
        x = GRID_ORIGIN[0] + PITCH * (i // 3)
        y = GRID_ORIGIN[1] + PITCH * (i % 3)
        place_z = PICK_Z + PART_HEIGHT * i
        rows += [
            Row(x, y, PICK_Z, mode="JUMP"),  # over the part and down to it
            Row(x, y, PICK_Z, mode="JUMP", grab=True, pause=0.3),  # pump on
            Row(PLACE[0], PLACE[1], place_z, mode="JUMP", grab=True),  # carried over
            Row(PLACE[0], PLACE[1], place_z, mode="JUMP", pause=0.3),  # let go
        ]
    return rows


def main() -> None:
    with Arm.connect(program="pick_and_place") as arm:
        arm.table.clear()
        count = arm.table.append(*grid_rows())
        out_of_reach = [n for n, row in enumerate(arm.table.read()) if not row.reachable]
        print(f"{count} rows, out of reach: {out_of_reach or 'none'}")
        arm.run(loops=1, wait=True)
        print("done at", arm.pose())


if __name__ == "__main__":
    main()
