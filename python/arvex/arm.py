"""The arm as a script sees it: its pose, moves, end tool, the window's table and its runs."""

from __future__ import annotations

import os
import sys
from dataclasses import asdict, dataclass
from pathlib import Path
from typing import Any, Callable, Dict, List, Optional, Tuple

from .connection import Connection, Notification

MODES = ("JUMP", "MOVJ", "MOVL")


@dataclass
class Pose:
    """Where the arm is: tool position (mm), head rotation and joint angles (degrees)."""

    x: float
    y: float
    z: float
    r: float
    joints: Tuple[float, float, float, float]
    gripper: float
    grab: bool

    @classmethod
    def from_result(cls, result: Dict[str, Any]) -> "Pose":
        return cls(
            result["x"],
            result["y"],
            result["z"],
            result["r"],
            tuple(result["joints"]),
            result["gripper"],
            result["grab"],
        )


@dataclass
class Row:
    """One row of the window's point table."""

    x: float
    y: float
    z: float
    r: float = 0.0
    mode: str = "MOVL"
    grab: bool = False
    gripper: float = 0.0
    pause: float = 0.0
    # Read back only: whether the arm can reach the row's point.
    reachable: bool = True

    def to_params(self) -> Dict[str, Any]:
        params = asdict(self)
        del params["reachable"]
        return params


class Table:
    """The window's point table; every change is one step that Ctrl+Z in the window undoes."""

    def __init__(self, connection: Connection) -> None:
        self._connection = connection

    def read(self, first: int = 0, count: Optional[int] = None) -> List[Row]:
        params: Dict[str, Any] = {"first": first}
        if count is not None:
            params["count"] = count
        result = self._connection.call("table.read", params)
        return [Row(**row) for row in result["rows"]]

    def __len__(self) -> int:
        return self._connection.call("table.read", {"count": 0})["count"]

    def running_row(self) -> int:
        """The row whose point the arm has reached last in a run or step; -1 for none."""
        return self._connection.call("table.read", {"count": 0})["running"]

    def append(self, *rows: Row) -> int:
        """Appends the rows; returns the table's row count."""
        return self._edit("table.append", rows)

    def insert(self, row: int, *rows: Row) -> int:
        """Inserts the rows before row (0 is the first)."""
        return self._edit("table.insert", rows, row)

    def replace(self, row: int, *rows: Row) -> int:
        """Writes the rows over the table's rows from row on."""
        return self._edit("table.replace", rows, row)

    def clear(self) -> None:
        self._connection.call("table.clear")

    def _edit(self, method: str, rows: Tuple[Row, ...], row: Optional[int] = None) -> int:
        params: Dict[str, Any] = {"rows": [r.to_params() for r in rows]}
        if row is not None:
            params["row"] = row
        return self._connection.call(method, params)["count"]


class Arm:
    """A connection to the client that drives the arm; use ``Arm.connect()``."""

    def __init__(self, connection: Connection, program: str) -> None:
        self._connection = connection
        self.table = Table(connection)
        try:
            hello = connection.call("hello", {"token": connection.token, "program": program})
        except Exception:
            connection.close()
            raise
        self.client_version: str = hello["version"]

    @classmethod
    def connect(
        cls, token_file: Optional[os.PathLike] = None, program: Optional[str] = None
    ) -> "Arm":
        """Connects to the running client; scripts must be allowed in its menu."""
        name = program or Path(sys.argv[0]).name or "python"
        return cls(Connection(Path(token_file) if token_file else None), name)

    def close(self) -> None:
        self._connection.close()

    def __enter__(self) -> "Arm":
        return self

    def __exit__(self, *exc_info: Any) -> None:
        self.close()

    def version(self) -> str:
        return self._connection.call("version")["version"]

    def pose(self) -> Pose:
        return Pose.from_result(self._connection.call("pose"))

    def joints(self) -> Tuple[float, float, float, float]:
        return self.pose().joints

    def move_to(
        self,
        x: float,
        y: float,
        z: float,
        r: float = 0.0,
        mode: str = "MOVL",
        wait: bool = True,
        gripper: Optional[float] = None,
    ) -> Optional[Pose]:
        """Moves the tool to the point; with wait, returns the pose once the arm is there."""
        params: Dict[str, Any] = {"x": x, "y": y, "z": z, "r": r, "mode": mode, "wait": wait}
        if gripper is not None:
            params["gripper"] = gripper
        result = self._connection.call("move", params)
        return Pose.from_result(result) if wait else None

    def tool(
        self, pump: Optional[bool] = None, laser: Optional[bool] = None, gripper: Optional[float] = None
    ) -> None:
        """Switches the pump or the laser, or opens the gripper to a value where the arm stands."""
        params = {k: v for k, v in (("pump", pump), ("laser", laser), ("gripper", gripper)) if v is not None}
        self._connection.call("tool", params)

    def run(self, loops: int = 1, row: int = 0, wait: bool = False) -> None:
        """Plays the table from row on, then whole loops; with wait, until the arm is idle."""
        self._connection.call("run", {"loops": loops, "row": row})
        if wait:
            self.wait()

    def pause(self) -> None:
        self._connection.call("pause")

    def resume(self) -> None:
        self._connection.call("resume")

    def stop(self) -> None:
        self._connection.call("stop")

    def step(self) -> int:
        """Sends the next row of the table, as Step does; returns its number."""
        return self._connection.call("step")["row"]

    def wait(self) -> Pose:
        """Returns once no point is fed or on its way and the arm has come to rest."""
        return Pose.from_result(self._connection.call("wait"))

    def speed(
        self, velocity: Optional[int] = None, acceleration: Optional[int] = None
    ) -> Dict[str, int]:
        """Sets the playback ratios (1 to 100) that are given; returns both."""
        params = {
            k: v for k, v in (("velocity", velocity), ("acceleration", acceleration)) if v is not None
        }
        return self._connection.call("speed", params)

    def subscribe(
        self, *events: str, callback: Optional[Callable[[Notification], None]] = None
    ) -> None:
        """Asks for "pose", "state" and "row" notifications, read during calls and ``listen``."""
        self._connection.on_notification = callback
        self._connection.call("subscribe", {"events": list(events)})

    def listen(self, seconds: float) -> List[Notification]:
        """Reads notifications for a while; returns (and forgets) all kept so far."""
        self._connection.poll(seconds)
        kept = list(self._connection.notifications)
        self._connection.notifications.clear()
        return kept
