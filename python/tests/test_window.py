"""The user in the window beside a script: keys and clicks through a virtual X display."""

from __future__ import annotations

import os
import shutil
import subprocess
import threading
import time
import unittest

from arvex import Arm, RefusedError, Row, StoppedError

from .clientprocess import ClientProcess

# Where the window's widgets are, as the window is placed at the display's top left corner.
TABLE = (400, 600)
START_BUTTON = (1013, 419)


@unittest.skipUnless(shutil.which("Xvfb") and shutil.which("xdotool"), "needs Xvfb and xdotool")
class WindowTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls) -> None:
        read, write = os.pipe()
        cls.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1400x800x24"],
                                    pass_fds=(write,), stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as display_number:
            cls.display = ":" + display_number.readline().strip()
        cls.client = ClientProcess(display=cls.display)

    @classmethod
    def tearDownClass(cls) -> None:
        cls.client.close()
        cls.xvfb.terminate()
        cls.xvfb.wait()

    def setUp(self) -> None:
        self.arm = Arm.connect(self.client.token_file, program="test_window")
        self.arm.table.clear()

    def tearDown(self) -> None:
        self.arm.close()

    def user(self, *actions: str) -> None:
        subprocess.run(["xdotool", *actions], env=dict(os.environ, DISPLAY=self.display), check=True)
        time.sleep(0.3)

    def test_script_edit_undone_in_the_window(self) -> None:
        self.arm.table.append(Row(200, 0, 50), Row(200, 60, 20))
        self.user("mousemove", *map(str, TABLE), "click", "1")
        self.user("key", "ctrl+z")
        self.assertEqual(len(self.arm.table), 0)
        self.user("key", "ctrl+y")
        self.assertEqual([r.y for r in self.arm.table.read()], [0, 60])

    def test_stop_in_the_window_ends_the_scripts_run(self) -> None:
        self.arm.table.append(Row(200, 0, 50), Row(200, 80, 20))
        self.arm.run(loops=1000)
        # The user presses Stop while the script waits for the run.
        threading.Timer(0.7, self.user, ("key", "ctrl+period")).start()
        with self.assertRaisesRegex(StoppedError, "user"):
            self.arm.wait()
        # A thousand loops would keep the arm busy for ever; stopped, it settles at once.
        started = time.monotonic()
        self.arm.wait()
        self.assertLess(time.monotonic() - started, 5)

    def test_no_motion_while_a_question_is_open(self) -> None:
        self.arm.table.append(Row(900, 0, 0))
        before = self.arm.pose()
        self.user("mousemove", *map(str, START_BUTTON), "click", "1")
        with self.assertRaisesRegex(RefusedError, "dialog"):
            self.arm.move_to(200, 0, 50)
        self.user("key", "Escape")
        self.assertEqual(self.arm.pose(), before)
        self.arm.move_to(200, 0, 50)


if __name__ == "__main__":
    unittest.main()
