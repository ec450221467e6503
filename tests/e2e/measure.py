#!/usr/bin/env python3
"""Resource use of a running clock: GDI objects after start-up and after a minute of
rebuilds, and the CPU time of that minute, with seconds on both faces and the date shown
(a rebuild every second, all three parts of the outline).

measure.py --exe sorvane.exe --probe probe.exe --skins DIR [--seconds 60]
Expects DISPLAY and WINEPREFIX (see measure.sh).
"""
import os
import time

from e2e_driver import Clock, clock_arguments, profile_bytes


def unix_cpu_ms(pid):
    """User and system CPU time of a Linux process (the Wine process runs as one)."""
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    ticks = int(fields[11]) + int(fields[12])  # utime, stime
    return 1000.0 * ticks / os.sysconf("SC_CLK_TCK")


def process_name(pid):
    with open(f"/proc/{pid}/comm") as f:
        return f.read().strip()


def main():
    parser = clock_arguments()
    parser.add_argument("--seconds", type=float, default=60)
    args = parser.parse_args()
    clock = Clock(args, profile_bytes(x=40, y=40, size="Huge", style="AnaDigi", datashow=1,
                                      seconds=1, skin="classic.skn"))
    try:
        clock.start()
        time.sleep(3)
        pid = clock.process.pid  # wine turns into the program's own process
        first = clock.probe("usage")
        cpu_before = unix_cpu_ms(pid)
        began = time.monotonic()
        time.sleep(args.seconds)
        cpu = unix_cpu_ms(pid) - cpu_before
        wall = time.monotonic() - began
        last = clock.probe("usage")
        print(f"gdi objects after start-up: {first['gdi_objects']} ({first['gdi_source']})")
        print(f"gdi objects after {wall:.0f} s of rebuilds: {last['gdi_objects']}")
        print(f"cpu time of {process_name(pid)} over {wall:.0f} s: {cpu:.0f} ms "
              f"({100 * cpu / (wall * 1000):.2f} % of one core)")
    finally:
        clock.stop()


if __name__ == "__main__":
    main()
