#!/usr/bin/env python3
"""CPU time of an Analog Small clock with seconds, with and without smooth edges: the
process's own user + system time over SECONDS each, in turns (region, smooth, region,
smooth), with the machine's load beside each figure.

with_own_wine.sh BUILD_DIR measure_look.py [--seconds 120]
"""
import time

from e2e_driver import Clock, clock_arguments, profile_bytes
from look_checks import with_look
from measure import unix_cpu_ms


def load():
    with open("/proc/loadavg") as f:
        return " ".join(f.read().split()[:3])


def cpu_ms(args, smooth, seconds):
    clock = Clock(args, with_look(profile_bytes(x=40, y=80, size="Small", style="Analog",
                                                seconds=1, skin="classic.skn"), smooth=smooth))
    try:
        clock.start()
        time.sleep(3)
        pid = clock.process.pid
        before = unix_cpu_ms(pid)
        began = time.monotonic()
        time.sleep(seconds)
        return unix_cpu_ms(pid) - before, time.monotonic() - began
    finally:
        clock.stop()


def main():
    parser = clock_arguments()
    parser.add_argument("--seconds", type=float, default=120)
    args = parser.parse_args()
    totals = {False: 0.0, True: 0.0}
    for smooth in (False, True, False, True):
        cpu, wall = cpu_ms(args, smooth, args.seconds)
        totals[smooth] += cpu
        print(f"{'smooth' if smooth else 'region'}: {cpu:.0f} ms cpu over {wall:.0f} s "
              f"({100 * cpu / (wall * 1000):.2f} % of one core), loadavg {load()}", flush=True)
    print(f"smooth / region = {totals[True] / totals[False]:.2f}")


if __name__ == "__main__":
    main()
