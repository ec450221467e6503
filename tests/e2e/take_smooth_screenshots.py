#!/usr/bin/env python3
"""Screenshots of the clock with smooth edges in each style, with the date, for docs/; and
smooth-beside-region.png: the same Analog clock with and without smooth edges, side by side.

take_smooth_screenshots.py --exe sorvane.exe --probe probe.exe --skins DIR --out DIR
Expects DISPLAY and WINEPREFIX (see with_own_wine.sh).
"""
import os
import subprocess
import time

from e2e_driver import Clock, numbers, picture_arguments, profile_bytes
from look_checks import with_look

MARGIN = 12


def shoot(args, name, profile):
    # Below the top-left corner, where Wine shows its stand-in for the notification area.
    clock = Clock(args, profile)
    try:
        clock.start()
        time.sleep(2.5)  # a tick or two
        left, top, right, bottom = numbers(clock.probe("clock")["clock.rect"])
        path = os.path.join(args.out, name)
        crop = f"{right - left + 2 * MARGIN}x{bottom - top + 2 * MARGIN}" \
               f"+{left - MARGIN}+{top - MARGIN}"
        subprocess.run(["import", "-window", "root", "-crop", crop, "+repage", path], check=True)
        print(f"{path}: window {left},{top},{right},{bottom}")
        return path
    finally:
        clock.stop()


def main():
    args = picture_arguments()
    for style in ("Analog", "Digital", "AnaDigi"):
        profile = profile_bytes(x=40, y=80, size="Huge", style=style, datashow=1,
                                skin="classic.skn")
        shoot(args, f"smooth-{style.lower()}-date.png", with_look(profile, smooth=True))
    # The pair for the README, enlarged without smoothing so the edge pixels show. Without
    # the second hand and both taken in one minute, the two show the same time.
    while time.localtime().tm_sec > 40:
        time.sleep(1)
    pair = []
    for smooth in (False, True):
        profile = profile_bytes(x=40, y=80, size="Small", style="Analog", seconds=0,
                                skin="classic.skn")
        pair.append(shoot(args, f"pair-{int(smooth)}.png", with_look(profile, smooth=smooth)))
    beside = os.path.join(args.out, "smooth-beside-region.png")
    subprocess.run(["convert", *pair, "+append", "-filter", "point", "-resize", "200%", beside],
                   check=True)
    for path in pair:
        os.remove(path)
    print(beside)


if __name__ == "__main__":
    main()
