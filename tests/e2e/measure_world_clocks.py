#!/usr/bin/env python3
"""World clocks under Wine: 1, 2 and 5 clocks with seconds in one sorvane.exe each, measured
side by side (world_measure.py). Writes the "Windows: world clocks" section of the report.

measure_world_clocks.py --exe sorvane.exe --probe probe.exe --skins DIR --doc FILE [--seconds 120]
Expects DISPLAY and WINEPREFIX (with_own_wine.sh gives both). One prefix lets one copy run
at a time, so each program runs in a prefix of its own (made beside WINEPREFIX).
"""
import datetime
import os
import platform
import subprocess

import world_measure
from e2e_driver import Clock, clock_arguments

TITLE = "Windows: world clocks (under Wine)"


class OwnPrefixClock(Clock):
    """sorvane.exe in a Wine prefix (and wineserver) of its own, so that copies run side by
    side; its Linux process is the Popen's."""

    def __init__(self, args, profile, prefix):
        super().__init__(args, profile)
        self.env = dict(os.environ, WINEPREFIX=prefix)

    def start(self):
        self.process = subprocess.Popen(["wine", "sorvane.exe"], cwd=self.folder, env=self.env,
                                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)

    def wait_for_clocks(self, count):
        subprocess.run(["wine", self.args.probe, "wait-clocks", str(count), "30"], env=self.env,
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=60)
        return count

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        super().stop()


class FloorProgram:
    """reshape_peer.exe with `count` windows, in a Wine prefix of its own."""

    def __init__(self, exe, count, prefix):
        self.process = subprocess.Popen(["wine", exe, str(count)],
                                        env=dict(os.environ, WINEPREFIX=prefix),
                                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)

    def stop(self):
        self.process.kill()
        self.process.wait()


def make_prefix(prefix):
    if not os.path.exists(os.path.join(prefix, "system.reg")):
        subprocess.run(["wineboot", "-i"], env=dict(os.environ, WINEPREFIX=prefix),
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)


def main():
    parser = clock_arguments()
    parser.add_argument("--doc", required=True)
    parser.add_argument("--seconds", type=float, default=120)
    args = parser.parse_args()
    base = os.environ["WINEPREFIX"]
    prefixes = {}

    def start_clock(profile):
        count = profile.count(b"\\profile ")
        prefix = prefixes.setdefault(count, f"{base}-world-{count}")
        make_prefix(prefix)
        clock = OwnPrefixClock(args, profile, prefix)
        clock.start()
        return clock

    def start_floor(count):
        prefix = prefixes.setdefault(f"floor-{count}", f"{base}-floor-{count}")
        make_prefix(prefix)
        return FloorProgram(os.path.join(os.path.dirname(args.probe), "reshape_peer.exe"),
                            count, prefix)

    def shown_count(clock):
        return clock.wait_for_clocks(clock.prf_bytes().count(b"\\profile "))

    try:
        figures, wall, loads = world_measure.measure(start_clock, shown_count, args.seconds,
                                                     start_floor=start_floor)
    finally:
        for prefix in prefixes.values():
            subprocess.run(["wineserver", "-k"], env=dict(os.environ, WINEPREFIX=prefix),
                           stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
    how = (f"Measured by `scripts/perf.sh --world` on {datetime.date.today()} "
           f"({platform.machine()}, Wine on Xvfb): one `sorvane.exe` with 1, 2 and 5 Small analog "
           "clocks with seconds, each clock in another zone, each program in a Wine prefix of "
           "its own. CPU is the program's own Linux process, all threads, in the scheduler's "
           "nanoseconds (its wineserver's work is not in it); \"scheduled per s\" is how often "
           "its threads were put on a CPU, the wake-ups; start is from starting `wine "
           "sorvane.exe` until probe.exe sees every clock window shaped (probe.exe's own start "
           "included), the median of five starts.")
    section = world_measure.report(TITLE, how, figures, wall, loads)
    print(section)
    world_measure.write_section(args.doc, TITLE, section)


if __name__ == "__main__":
    main()
