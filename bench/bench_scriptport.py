"""Pose requests from the Python package to the client with the simulated arm: requests per
second and round trip (p50, p99, max), idle and while a 10,000-row run plays. A request is
answered on the window's event loop, so the longest round trip bounds the longest stall of that
loop. Beside each figure: the same JSON lines echoed by a bare Python thread over a socket pair.

    python3 bench/bench_scriptport.py    # ARVEX_CLIENT_BIN_DIR=build/bin for a Release build
"""

from __future__ import annotations

import json
import socket
import statistics
import sys
import threading
import time
from pathlib import Path
from typing import Callable, List

root = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(root / "python"))

from arvex import Arm, Row  # noqa: E402
from tests.clientprocess import ClientProcess  # noqa: E402

REQUESTS = 2000
REPETITIONS = 3


def timed(call: Callable[[], object], count: int) -> List[float]:
    times = []
    for _ in range(count):
        start = time.perf_counter()
        call()
        times.append(time.perf_counter() - start)
    return times


def bare_echo() -> Callable[[], object]:
    """A round trip of the same JSON line through a socket pair and a thread that answers it."""
    ours, theirs = socket.socketpair()

    def serve() -> None:
        buffer = b""
        while True:
            chunk = theirs.recv(65536)
            if not chunk:
                return
            buffer += chunk
            while b"\n" in buffer:
                line, _, buffer = buffer.partition(b"\n")
                request = json.loads(line)
                theirs.sendall(json.dumps({"jsonrpc": "2.0", "id": request["id"],
                                           "result": {"x": 1.0}}).encode() + b"\n")

    threading.Thread(target=serve, daemon=True).start()
    line = json.dumps({"jsonrpc": "2.0", "id": 1, "method": "pose"}).encode() + b"\n"

    def call() -> object:
        ours.sendall(line)
        answer = b""
        while not answer.endswith(b"\n"):
            answer += ours.recv(65536)
        return json.loads(answer)

    return call


def report(name: str, runs: List[List[float]]) -> None:
    medians = sorted(statistics.median(r) for r in runs)
    p99s = sorted(statistics.quantiles(r, n=100)[98] for r in runs)
    rates = sorted(len(r) / sum(r) for r in runs)
    worst = max(max(r) for r in runs)
    print(f"{name:34} {rates[len(rates) // 2]:9.0f}/s  p50 min {medians[0] * 1e3:6.3f} ms "
          f"median {medians[len(medians) // 2] * 1e3:6.3f} ms  p99 median "
          f"{p99s[len(p99s) // 2] * 1e3:6.3f} ms  max {worst * 1e3:6.2f} ms")


def main() -> None:
    client = ClientProcess()
    try:
        with Arm.connect(client.token_file, program="bench_scriptport") as arm:
            echo = bare_echo()
            idle, bare, running = [], [], []
            arm.table.clear()
            rows = [Row(200 + (i % 50), -50 + (i % 100), 20 + (i % 30), mode="MOVL")
                    for i in range(10000)]
            count = arm.table.append(*rows)
            assert count == 10000, count
            arm.speed(velocity=100, acceleration=100)
            for _ in range(REPETITIONS):
                bare.append(timed(echo, REQUESTS))
                idle.append(timed(arm.pose, REQUESTS))
            arm.run(loops=1)
            for _ in range(REPETITIONS):
                running.append(timed(arm.pose, REQUESTS))
            state = arm.table.running_row()
            arm.stop()
            arm.wait()
        print(f"{REPETITIONS} repetitions of {REQUESTS} requests each")
        report("bare echo (socket pair, thread)", bare)
        report("pose, arm idle", idle)
        report("pose, 10,000-row run playing", running)
        print(f"the run had reached row {state} of 10000 when stopped")
    finally:
        client.close()


if __name__ == "__main__":
    main()
