"""The errors the client answers with, one class each, so that a script can catch what it expects."""

from __future__ import annotations


class ArvexError(Exception):
    """An error the client answered with; ``code`` is its JSON-RPC error code."""

    def __init__(self, code: int, message: str) -> None:
        super().__init__(message)
        self.code = code
        self.message = message


class RefusedError(ArvexError):
    """The client would not do it now: wrong token, a dialog open in the window, a run playing."""


class UnreachableError(ArvexError):
    """A point, or a row of the table, lies outside the arm's reach."""


class StoppedError(ArvexError):
    """The user (Stop in the window) or the script stopped what the request waited for."""


class DisconnectedError(ArvexError):
    """The arm, the window or the connection to it went away."""


class ProtocolError(ArvexError):
    """The request itself was wrong: unknown method, bad parameters, malformed text."""


_BY_CODE = {
    -32000: RefusedError,
    -32001: UnreachableError,
    -32002: StoppedError,
    -32003: DisconnectedError,
}


def error_for(code: int, message: str) -> ArvexError:
    """The exception for an error the client sent."""
    return _BY_CODE.get(code, ProtocolError)(code, message)
