"""Starts the real client offscreen with the simulated arm and scripts allowed, in a folder of
its own, so that its settings and points files touch nothing else."""

from __future__ import annotations

import os
import shutil
import subprocess
import tempfile
import time
from pathlib import Path
from typing import Optional

BUILD_BIN = Path(
    os.environ.get("ARVEX_CLIENT_BIN_DIR", Path(__file__).resolve().parents[2] / "build-tests" / "bin")
)


class ClientProcess:
    """The client offscreen, or on the X display given, where a user's keys can reach it."""

    def __init__(self, display: Optional[str] = None) -> None:
        self._dir = tempfile.TemporaryDirectory(prefix="arvex-script-test-")
        root = Path(self._dir.name)
        program = root / "bin"
        shutil.copytree(BUILD_BIN, program, ignore=shutil.ignore_patterns("*.xml.bak"))
        for stale in (program / "file").glob("PlaybackPoints*"):
            stale.unlink()
        (program / "hex" / "UpgradeParams.json").write_text('{"upgrade": 1}')
        (program / "file" / "ScriptParams.json").write_text('{"allowScripts": true}')
        runtime = root / "runtime"
        runtime.mkdir(mode=0o700)
        self.token_file = runtime / "arvex-script.json"
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=str(runtime),
                   ARVEX_SIM_CONNECT_DELAY_MS="0")
        if display:
            env.update(QT_QPA_PLATFORM="xcb", DISPLAY=display)
        self.process = subprocess.Popen([str(program / "ArvexClient")], cwd=program, env=env,
                                         stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        deadline = time.monotonic() + 20
        while not self.token_file.exists():
            if self.process.poll() is not None or time.monotonic() > deadline:
                self.close()
                raise RuntimeError("the client did not open its script port")
            time.sleep(0.05)
        # The port opens with the window; the arm connects just after.
        time.sleep(0.5)

    def close(self) -> str:
        """Ends the client; returns what it logged."""
        if self.process.poll() is None:
            self.process.terminate()
        _, log = self.process.communicate(timeout=20)
        self._dir.cleanup()
        return log.decode(errors="replace")
