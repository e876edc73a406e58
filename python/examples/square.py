"""Draws a 60 mm square with straight MOVL moves, then returns to where it started."""

from arvex import Arm

CENTRE = (200.0, 0.0)
HALF = 30.0
Z = 20.0


def main() -> None:
    with Arm.connect(program="square") as arm:
        start = arm.pose()
        corners = [(-HALF, -HALF), (HALF, -HALF), (HALF, HALF), (-HALF, HALF), (-HALF, -HALF)]
        arm.move_to(CENTRE[0] + corners[0][0], CENTRE[1] + corners[0][1], Z + 20, mode="JUMP")
        for dx, dy in corners:
            pose = arm.move_to(CENTRE[0] + dx, CENTRE[1] + dy, Z, mode="MOVL")
            print(f"corner x {pose.x:.1f} y {pose.y:.1f} z {pose.z:.1f}")
        arm.move_to(start.x, start.y, start.z, start.r, mode="JUMP")


if __name__ == "__main__":
    main()
