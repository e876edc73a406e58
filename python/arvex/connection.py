"""The line-based JSON-RPC connection to the client's local socket (a named pipe on Windows)."""

from __future__ import annotations

import getpass
import json
import os
import socket
import sys
from collections import deque
from pathlib import Path
from typing import Any, Callable, Deque, Dict, Optional

from .errors import DisconnectedError, error_for

Notification = Dict[str, Any]


def default_token_file() -> Path:
    """Where the client writes its socket's name and the token while scripts are allowed."""
    if "ARVEX_SCRIPT_FILE" in os.environ:
        return Path(os.environ["ARVEX_SCRIPT_FILE"])
    if sys.platform == "win32":
        return Path(os.environ["LOCALAPPDATA"]) / "ArvexClient" / "arvex-script.json"
    runtime = os.environ.get("XDG_RUNTIME_DIR") or f"/tmp/runtime-{getpass.getuser()}"
    return Path(runtime) / "arvex-script.json"


class Connection:
    """One connection: requests answered in order, notifications kept until read."""

    def __init__(self, token_file: Optional[Path] = None, timeout: float = 10.0) -> None:
        path = Path(token_file) if token_file else default_token_file()
        try:
            details = json.loads(path.read_text(encoding="utf-8"))
        except (OSError, ValueError) as error:
            raise DisconnectedError(
                -32003, f"no client allows scripts ({path}: {error})"
            ) from error
        self.token: str = details["token"]
        self.notifications: Deque[Notification] = deque()
        self.on_notification: Optional[Callable[[Notification], None]] = None
        self._next_id = 1
        self._buffer = b""
        self._socket: Optional[socket.socket] = None
        self._pipe: Any = None
        if sys.platform == "win32":
            self._pipe = open(details["socket"], "r+b", buffering=0)
        else:
            self._socket = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
            self._socket.settimeout(timeout)
            try:
                self._socket.connect(details["socket"])
            except OSError as error:
                self._socket.close()
                raise DisconnectedError(-32003, f"cannot reach the client: {error}") from error
            self._socket.settimeout(None)

    def call(self, method: str, params: Optional[Dict[str, Any]] = None) -> Any:
        """Sends one request and returns its result, raising the error the client answered."""
        request_id = self._next_id
        self._next_id += 1
        message = {"jsonrpc": "2.0", "id": request_id, "method": method}
        if params:
            message["params"] = params
        data = json.dumps(message).encode("utf-8") + b"\n"
        try:
            if self._socket is not None:
                self._socket.sendall(data)
            else:
                self._pipe.write(data)
        except OSError as error:
            raise DisconnectedError(-32003, f"the client went away: {error}") from error
        while True:
            reply = self._read()
            if "id" not in reply:
                self._keep(reply)
                continue
            if reply["id"] not in (request_id, None):
                continue
            if "error" in reply:
                raise error_for(reply["error"]["code"], reply["error"]["message"])
            return reply["result"]

    def poll(self, timeout: float) -> None:
        """Reads the notifications that arrive within timeout seconds."""
        if self._socket is None:
            return
        self._socket.settimeout(timeout)
        try:
            while True:
                self._keep(self._read())
        except socket.timeout:
            pass
        finally:
            self._socket.settimeout(None)

    def close(self) -> None:
        """Ends the session and waits briefly until the client has let it go, so that the next
        connection is not refused as a second script."""
        if self._socket is not None:
            try:
                self._socket.shutdown(socket.SHUT_WR)
                self._socket.settimeout(2.0)
                while self._socket.recv(65536):
                    pass
            except OSError:
                pass
            self._socket.close()
        else:
            self._pipe.close()

    def _read(self) -> Dict[str, Any]:
        while b"\n" not in self._buffer:
            try:
                if self._socket is not None:
                    chunk = self._socket.recv(65536)
                else:
                    chunk = self._pipe.read(65536)
            except ConnectionError:
                chunk = b""
            if not chunk:
                break
            self._buffer += chunk
        line, newline, self._buffer = self._buffer.partition(b"\n")
        if not newline:
            reason = "the client closed the connection"
            while self.notifications:
                last = self.notifications.pop()
                if last.get("method") == "disconnected":
                    reason = last["params"].get("reason", reason)
                    break
            raise DisconnectedError(-32003, reason)
        return json.loads(line)

    def _keep(self, notification: Notification) -> None:
        self.notifications.append(notification)
        if self.on_notification:
            self.on_notification(notification)
