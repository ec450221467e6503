#!/usr/bin/env python3
"""CPU time of an Analog Small clock with seconds, with and without smooth edges: the
process's own user + system time over SECONDS each, in turns (region, smooth, region,
smooth), with the machine's load beside each figure.

with_own_wine.sh BUILD_DIR measure_look.py [--seconds 120] [--doc docs/performance.md]
"""
import time

from e2e_driver import Clock, clock_arguments, profile_bytes
from look_checks import with_look
from measure import unix_cpu_ms
from tick_report import write_section

HEAD = "## Smooth edges under Wine"
GOAL = 2.0  # smooth edges may cost at most twice the region path


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


def section(runs):
    """runs: (smooth, cpu ms, wall s, loadavg) in the order taken."""
    totals = {False: 0.0, True: 0.0}
    L = [HEAD, "",
         "Analog Small with seconds (classic skin), the `sorvane.exe` process's own user + system",
         "time from /proc, with and without smooth edges in turns "
         "(`tests/e2e/measure_look.py`, run by `scripts/perf.sh`):", "",
         "| Run | Outline shown as | CPU | Share of one core | Load |", "|---:|---|---:|---:|---|"]
    for n, (smooth, cpu, wall, loadavg) in enumerate(runs, 1):
        totals[smooth] += cpu
        L.append(f"| {n} | {'smooth edges' if smooth else 'region'} | {cpu:.0f} ms in {wall:.0f} s"
                 f" | {100 * cpu / (wall * 1000):.2f} % | {loadavg} |")
    ratio = totals[True] / totals[False]
    L += ["", f"Smooth edges cost {ratio:.2f} times the region path (goal: at most {GOAL:.0f}"
          f" times): {'met' if ratio <= GOAL else 'not met'}."]
    return "\n".join(L) + "\n", ratio


def main():
    parser = clock_arguments()
    parser.add_argument("--seconds", type=float, default=120)
    parser.add_argument("--doc", help="write the section into this performance report")
    args = parser.parse_args()
    runs = []
    for smooth in (False, True, False, True):
        cpu, wall = cpu_ms(args, smooth, args.seconds)
        runs.append((smooth, cpu, wall, load()))
        print(f"{'smooth' if smooth else 'region'}: {cpu:.0f} ms cpu over {wall:.0f} s "
              f"({100 * cpu / (wall * 1000):.2f} % of one core), loadavg {load()}", flush=True)
    text, ratio = section(runs)
    print(f"smooth / region = {ratio:.2f}")
    if args.doc:
        write_section(args.doc, text, HEAD)


if __name__ == "__main__":
    main()
