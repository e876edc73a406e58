"""Drive the Arvex arm from Python through the client's script port.

    from arvex import Arm, Row

    with Arm.connect() as arm:
        arm.move_to(200, 0, 50)
        arm.table.append(Row(200, 0, 50), Row(200, 50, 50))
        arm.run(loops=3, wait=True)
"""

from .arm import MODES, Arm, Pose, Row, Table
from .errors import (
    ArvexError,
    DisconnectedError,
    ProtocolError,
    RefusedError,
    StoppedError,
    UnreachableError,
)

__all__ = [
    "MODES",
    "Arm",
    "Pose",
    "Row",
    "Table",
    "ArvexError",
    "DisconnectedError",
    "ProtocolError",
    "RefusedError",
    "StoppedError",
    "UnreachableError",
]
