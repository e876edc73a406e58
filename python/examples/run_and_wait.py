"""Plays the window's table three times and prints each row as the arm reaches it, until the run
has ended; Stop in the window (or Ctrl+.) ends it early, which the script reports."""

from arvex import Arm, StoppedError


def main() -> None:
    with Arm.connect(program="run_and_wait") as arm:
        if len(arm.table) == 0:
            raise SystemExit("the table is empty: record or append a few rows first")
        arm.subscribe("row", "state", callback=lambda n: print(n["method"], n["params"]))
        arm.run(loops=3)
        try:
            pose = arm.wait()
        except StoppedError as error:
            print("stopped:", error)
        else:
            print(f"run ended at x {pose.x:.1f} y {pose.y:.1f} z {pose.z:.1f}")


if __name__ == "__main__":
    main()
