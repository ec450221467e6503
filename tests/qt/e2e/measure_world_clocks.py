#!/usr/bin/python3
"""World clocks on Linux: 1, 2 and 5 clocks with seconds in one program each, measured side
by side (world_measure.py). Writes the "Linux: world clocks" section of the report.

measure_world_clocks.py --program sorvane --skins DIR --doc docs/performance.md [--seconds 120]
Expects DISPLAY (tests/qt/with_xvfb.sh gives one).
"""
import argparse
import datetime
import platform

from Xlib.ext import shape

import world_measure
from linux_clock import Clock
from x_windows import Screen

TITLE = "Linux: world clocks"


def main():
    parser = argparse.ArgumentParser()
    for name in ("--program", "--skins", "--doc"):
        parser.add_argument(name, required=True)
    parser.add_argument("--seconds", type=float, default=120)
    args = parser.parse_args()
    screen = Screen()

    def start_clock(profile):
        clock = Clock(args, screen, profile)
        clock.process = clock.launch()
        return clock

    def shown_count(clock):
        try:
            return sum(1 for w in screen.clock(clock.process.pid)
                       if len(w.shape_get_rectangles(shape.SK.Bounding).rectangles) > 1)
        except Exception:  # a window that went meanwhile
            return 0

    figures, wall, loads = world_measure.measure(start_clock, shown_count, args.seconds)
    how = (f"Measured by `scripts/perf.sh --world` on {datetime.date.today()} "
           f"({platform.machine()}, Qt's X11 platform on Xvfb): one `sorvane` with 1, 2 and 5 "
           "Small analog clocks with seconds, each clock in another zone. CPU is the process's "
           "own, all threads, in the scheduler's nanoseconds; \"scheduled per s\" is how often "
           "its threads were put on a CPU (the third field of schedstat), the wake-ups; start "
           "is from starting the program to every window shaped on the X server, the median "
           "of five starts.")
    section = world_measure.report(TITLE, how, figures, wall, loads)
    print(section)
    world_measure.write_section(args.doc, TITLE, section)


if __name__ == "__main__":
    main()
