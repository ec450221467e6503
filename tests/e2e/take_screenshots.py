#!/usr/bin/env python3
"""Screenshots of the running clock in each style, with and without the date, for docs/.

take_screenshots.py --exe sorvane.exe --probe probe.exe --skins DIR --out DIR
Expects DISPLAY and WINEPREFIX (see take_screenshots.sh).
"""
import os
import subprocess
import time

from e2e_driver import (Clock, numbers, picture_arguments, profile_bytes, profile_lines,
                        profiles_bytes)

MARGIN = 12


def main():
    args = picture_arguments()
    for style in ("Analog", "Digital", "AnaDigi"):
        for datashow in (0, 1):
            # Below the top-left corner, where Wine shows its stand-in for the
            # notification area.
            clock = Clock(args, profile_bytes(x=40, y=80, size="Huge", style=style,
                                              datashow=datashow, skin="classic.skn"))
            try:
                f = clock.start()
                time.sleep(2.5)  # a tick or two, and the paint after the region
                left, top, right, bottom = numbers(clock.probe("clock")["clock.rect"])
                name = style.lower() + ("-date" if datashow else "") + ".png"
                path = os.path.join(args.out, name)
                crop = f"{right - left + 2 * MARGIN}x{bottom - top + 2 * MARGIN}" \
                       f"+{left - MARGIN}+{top - MARGIN}"
                subprocess.run(["import", "-window", "root", "-crop", crop, "+repage", path],
                               check=True)
                print(f"{path}: window {left},{top},{right},{bottom}, "
                      f"{f.get('clock.region_rects')} region rectangles")
            finally:
                clock.stop()
    world_clocks(args)


def world_clocks(args):
    """Three labelled clocks of one program, each in its own zone: world-clocks.png."""
    clock = Clock(args, profiles_bytes(*[
        profile_lines(x=40 + 190 * i, y=80, size="Medium", style="AnaDigi", skin="classic.skn",
                      name=label, zone=zone, label=label)
        for i, (zone, label) in enumerate(((None, "Local"), ("Asia/Kolkata", "Kolkata"),
                                           ("America/New_York", "New York")))]))
    try:
        clock.start()
        clock.probe("wait-clocks", "3", "20")
        time.sleep(2.5)
        facts = clock.probe("clocks")
        rects = [numbers(facts[f"clock{i}.rect"]) for i in range(int(facts["clocks"]))]
        left, top = min(r[0] for r in rects), min(r[1] for r in rects)
        right, bottom = max(r[2] for r in rects), max(r[3] for r in rects)
        path = os.path.join(args.out, "world-clocks.png")
        crop = f"{right - left + 2 * MARGIN}x{bottom - top + 2 * MARGIN}" \
               f"+{left - MARGIN}+{top - MARGIN}"
        subprocess.run(["import", "-window", "root", "-crop", crop, "+repage", path], check=True)
        print(f"{path}: {len(rects)} clocks")
    finally:
        clock.stop()


if __name__ == "__main__":
    main()
