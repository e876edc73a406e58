"""The ``arvex`` command: one request to the running client per call."""

from __future__ import annotations

import argparse
import sys
from typing import List, Optional

from .arm import MODES, Arm
from .errors import ArvexError


def _parser() -> argparse.ArgumentParser:
    parser = argparse.ArgumentParser(prog="arvex", description=__doc__)
    parser.add_argument("--token-file", help="the client's token file (default: its usual place)")
    commands = parser.add_subparsers(dest="command", required=True)
    commands.add_parser("version", help="the client's version")
    commands.add_parser("pose", help="where the arm is")
    move = commands.add_parser("move", help="move the tool to x y z [r]")
    for axis in ("x", "y", "z"):
        move.add_argument(axis, type=float)
    move.add_argument("r", type=float, nargs="?", default=0.0)
    move.add_argument("--mode", choices=MODES, default="MOVL")
    move.add_argument("--no-wait", action="store_true", help="return once the point is queued")
    run = commands.add_parser("run", help="play the table")
    run.add_argument("--loops", type=int, default=1)
    run.add_argument("--row", type=int, default=0, help="first row (0 is the first)")
    run.add_argument("--wait", action="store_true", help="return once the arm is idle")
    for name, text in (("stop", "stop the run"), ("pause", "pause the run"),
                       ("resume", "resume the run"), ("step", "play the next row"),
                       ("table", "print the table")):
        commands.add_parser(name, help=text)
    return parser


def main(argv: Optional[List[str]] = None) -> int:
    args = _parser().parse_args(argv)
    try:
        with Arm.connect(args.token_file, program="arvex " + args.command) as arm:
            if args.command == "version":
                print(arm.version())
            elif args.command == "pose":
                p = arm.pose()
                print(f"x {p.x:.1f} y {p.y:.1f} z {p.z:.1f} r {p.r:.3f} "
                      f"joints {' '.join(f'{j:.3f}' for j in p.joints)}")
            elif args.command == "move":
                arm.move_to(args.x, args.y, args.z, args.r, mode=args.mode, wait=not args.no_wait)
            elif args.command == "run":
                arm.run(loops=args.loops, row=args.row, wait=args.wait)
            elif args.command == "step":
                print(arm.step())
            elif args.command == "table":
                for number, row in enumerate(arm.table.read()):
                    mark = "" if row.reachable else "  (out of reach)"
                    print(f"{number}\t{row.mode}\t{row.x:.1f}\t{row.y:.1f}\t{row.z:.1f}\t"
                          f"{row.r:.3f}{mark}")
            else:
                getattr(arm, args.command)()
    except ArvexError as error:
        print(f"arvex: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
