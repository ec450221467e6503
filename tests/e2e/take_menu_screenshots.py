#!/usr/bin/env python3
"""Screenshots of the open popup menu and its submenus, for docs/screenshots/menu*.png.

take_menu_screenshots.py --exe sorvane.exe --probe probe.exe --skins DIR --out DIR
Expects DISPLAY and WINEPREFIX (see take_menu_screenshots.sh).
"""
import os
import subprocess
import time

from e2e_driver import Clock, numbers, picture_arguments, profile_bytes, xdotool
import menu_checks as m

MARGIN = 8
# Which entries to click, level by level, before each picture.
PICTURES = [
    ("menu.png", []),
    ("menu-analog.png", [(m.TOP, m.TOP_ANALOG)]),
    ("menu-digital-dateformat.png",
     [(m.TOP, m.TOP_DIGITAL), (m.DIGITAL, m.DIGITAL_DATE_FORMAT)]),
    ("menu-size.png", [(m.TOP, m.TOP_SIZE)]),
]


def shoot(clock, user, path):
    rects = user.menus() + [numbers(clock.probe("clock")["clock.rect"])]
    left = max(0, min(r[0] for r in rects) - MARGIN)
    top = max(0, min(r[1] for r in rects) - MARGIN)
    right = max(r[2] for r in rects) + MARGIN
    bottom = max(r[3] for r in rects) + MARGIN
    crop = f"{right - left}x{bottom - top}+{left}+{top}"
    subprocess.run(["import", "-window", "root", "-crop", crop, "+repage", path], check=True)
    print(f"{path}: {len(rects) - 1} menus open, area {crop}")


def main():
    args = picture_arguments()
    clock = Clock(args, profile_bytes(x=40, y=80, size="Medium", style="AnaDigi", datashow=1,
                                      skin="classic.skn"))
    try:
        clock.start()
        time.sleep(1.5)
        user = m.MenuUser(clock)
        for name, path in PICTURES:
            user.open_on_clock()
            for level, (layout, index) in enumerate(path):
                user.click(level, layout, index)
            user.wait_for_menus(len(path) + 1)
            time.sleep(0.5)
            shoot(clock, user, os.path.join(args.out, name))
            xdotool("mousemove", 5, 700)
            xdotool("click", 1)  # closes every open menu
            time.sleep(0.8)
        tray = [w for w in clock.probe("list-tray").get("tray.rect", "").split(";") if w]
        if tray:
            left, _, _, bottom = numbers(tray[0])
            user.open_at(left + 12, bottom - 12)
            time.sleep(0.5)
            shoot(clock, user, os.path.join(args.out, "menu-tray.png"))
            xdotool("mousemove", 5, 700)
            xdotool("click", 1)
    finally:
        clock.stop()


if __name__ == "__main__":
    main()
