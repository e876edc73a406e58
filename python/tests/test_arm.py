"""The package against the real client and its simulated arm."""

from __future__ import annotations

import json
import math
import unittest

from arvex import Arm, RefusedError, Row, StoppedError, UnreachableError

from .clientprocess import ClientProcess


class ArmTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls) -> None:
        cls.client = ClientProcess()

    @classmethod
    def tearDownClass(cls) -> None:
        cls.client.close()

    def setUp(self) -> None:
        self.arm = Arm.connect(self.client.token_file, program="test_arm")
        self.arm.table.clear()

    def tearDown(self) -> None:
        self.arm.close()

    def test_move_reaches_the_point_and_refuses_one_out_of_reach(self) -> None:
        for x, y, z in ((200, 0, 50), (180, 60, 20)):
            pose = self.arm.move_to(x, y, z, mode="MOVL")
            self.assertLess(math.dist((pose.x, pose.y, pose.z), (x, y, z)), 0.5)
        with self.assertRaisesRegex(UnreachableError, "reach"):
            self.arm.move_to(900, 0, 0)
        still = self.arm.pose()
        self.assertLess(math.dist((still.x, still.y, still.z), (180, 60, 20)), 0.5)

    def test_table_rows_are_marked_and_run_plays_them(self) -> None:
        count = self.arm.table.append(Row(200, 0, 50), Row(200, 80, 20, mode="MOVJ"))
        self.assertEqual(count, 2)
        self.arm.table.insert(1, Row(900, 0, 0))
        rows = self.arm.table.read()
        self.assertEqual([(r.x, r.mode, r.reachable) for r in rows],
                         [(200, "MOVL", True), (900, "MOVL", False), (200, "MOVJ", True)])
        with self.assertRaisesRegex(UnreachableError, "1"):
            self.arm.run()
        self.arm.table.replace(1, Row(150, -40, 30))
        self.arm.run(loops=2, wait=True)
        self.assertEqual(self.arm.table.running_row(), 2)
        end = self.arm.pose()
        self.assertLess(math.dist((end.x, end.y, end.z), (200, 80, 20)), 0.5)

    def test_stop_from_the_script_ends_its_run(self) -> None:
        self.arm.table.append(Row(200, 0, 50), Row(200, 80, 20))
        self.arm.subscribe("state")
        self.arm.run(loops=1000)
        self.assertIn({"state": "running"}, [n["params"] for n in self.arm.listen(0.5)])
        self.arm.stop()
        self.arm.wait()
        self.assertEqual(self.arm.listen(0.3)[-1]["params"], {"state": "idle"})

    def test_wrong_token_is_refused(self) -> None:
        self.arm.close()
        details = json.loads(self.client.token_file.read_text())
        details["token"] = "0" * len(details["token"])
        forged = self.client.token_file.with_name("forged.json")
        forged.write_text(json.dumps(details))
        with self.assertRaisesRegex(RefusedError, "token"):
            Arm.connect(forged)


if __name__ == "__main__":
    unittest.main()
