#!/usr/bin/python3
"""Screenshots of the native clock, sorvane, in each style with and without the date, and of
its menu, for docs/screenshots/linux-*.png.

take_linux_screenshots.py --program build/linux/bin/sorvane --skins skins --out DIR
Expects DISPLAY (tests/qt/with_xvfb.sh gives one).
"""
import argparse
import os
import subprocess
import time

from e2e_driver import profile_bytes, profile_lines, profiles_bytes, xdotool
from linux_clock import Clock
from x_windows import Screen, wait_for

MARGIN = 12


def shoot(path, left, top, right, bottom):
    crop = f"{right - left + 2 * MARGIN}x{bottom - top + 2 * MARGIN}+{left - MARGIN}+{top - MARGIN}"
    subprocess.run(["import", "-window", "root", "-crop", crop, "+repage", path], check=True)
    print(f"{path}: {left},{top},{right},{bottom}")


def main():
    parser = argparse.ArgumentParser()
    for name in ("--program", "--skins", "--out"):
        parser.add_argument(name, required=True)
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    screen = Screen()
    for style in ("Analog", "Digital", "AnaDigi"):
        for datashow in (0, 1):
            clock = Clock(args, screen, profile_bytes(x=40, y=80, size="Huge", style=style,
                                                      datashow=datashow, skin="classic.skn"))
            try:
                clock.start()
                time.sleep(2.5)  # a tick or two, and the paint after the outline
                name = "linux-" + style.lower() + ("-date" if datashow else "") + ".png"
                shoot(os.path.join(args.out, name), *clock.rect())
            finally:
                clock.stop()

    # World clocks: three labelled clocks of one program, each in its own zone.
    world = profiles_bytes(*[
        profile_lines(x=40 + 190 * i, y=80, size="Medium", style="AnaDigi", skin="classic.skn",
                      name=label, zone=zone, label=label)
        for i, (zone, label) in enumerate(((None, "Local"), ("Asia/Kolkata", "Kolkata"),
                                           ("America/New_York", "New York")))])
    clock = Clock(args, screen, world)
    try:
        clock.process = clock.launch()
        windows = wait_for(lambda: len(screen.clock(clock.process.pid)) == 3 and
                           screen.clock(clock.process.pid), 20)
        time.sleep(2.5)
        rects = [screen.rect(w) for w in windows]
        shoot(os.path.join(args.out, "linux-world-clocks.png"), min(r[0] for r in rects),
              min(r[1] for r in rects), max(r[2] for r in rects), max(r[3] for r in rects))
    finally:
        clock.stop()

    # The menu, opened by a right click, and its Size submenu opened from the keyboard.
    clock = Clock(args, screen, profile_bytes(x=40, y=80, size="Huge", style="AnaDigi",
                                              datashow=1, skin="classic.skn"))
    try:
        clock.start()
        time.sleep(1.5)
        x, y = clock.visible_point()
        xdotool("mousemove", x, y)
        xdotool("click", 3)
        menus = wait_for(screen.menus, 5)
        time.sleep(0.5)
        left, top, right, bottom = clock.rect()
        menu = menus[0]
        shoot(os.path.join(args.out, "linux-menu.png"), min(left, menu[0]), min(top, menu[1]),
              max(right, menu[2]), max(bottom, menu[3]))
        for key in ["Down"] * 4 + ["Right"]:
            xdotool("key", key)
            time.sleep(0.2)
        menus = wait_for(lambda: len(screen.menus()) >= 2 and screen.menus(), 5)
        time.sleep(0.5)
        box = [min(m[0] for m in menus), min(m[1] for m in menus),
               max(m[2] for m in menus), max(m[3] for m in menus)]
        shoot(os.path.join(args.out, "linux-menu-size.png"), *box)
        xdotool("key", "Escape")
        xdotool("key", "Escape")
    finally:
        clock.stop()


if __name__ == "__main__":
    main()
