#!/usr/bin/python3
"""Screenshots of the native clock, sorvane, in each style with and without the date, with
smooth edges under a compositing manager beside the shape, and of its menu, for
docs/screenshots/linux-*.png.

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
GREY = "#808080"  # the desktop behind the smooth clocks, where their edge shades show


def shoot(path, left, top, right, bottom):
    crop = f"{right - left + 2 * MARGIN}x{bottom - top + 2 * MARGIN}+{left - MARGIN}+{top - MARGIN}"
    subprocess.run(["import", "-window", "root", "-crop", crop, "+repage", path], check=True)
    print(f"{path}: {left},{top},{right},{bottom}")


def smooth(profile):
    return profile.replace(b"dateformatnumber  1\r\n", b"dateformatnumber  1\r\nsmooth 1\r\n")


def shoot_smooth_edges(args, screen):
    """Smooth clocks over a grey desktop with xcompmgr running, and one beside the shape."""
    subprocess.run(["xsetroot", "-solid", GREY], check=True)
    compositor = subprocess.Popen(["xcompmgr"], stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
    try:
        time.sleep(1)
        for style in ("Analog", "AnaDigi"):
            clock = Clock(args, screen, smooth(profile_bytes(
                x=40, y=80, size="Huge", style=style, datashow=1, skin="classic.skn")))
            try:
                clock.start()
                time.sleep(2.5)
                shoot(os.path.join(args.out, f"linux-smooth-{style.lower()}-date.png"),
                      *clock.rect())
            finally:
                clock.stop()
        plain = profile_bytes(x=40, y=80, size="Medium", style="AnaDigi", datashow=1,
                              skin="classic.skn")
        clocks = [Clock(args, screen, plain),
                  Clock(args, screen, smooth(plain.replace(b"x 40 left", b"x 240 left")))]
        try:
            for clock in clocks:
                clock.start()
            time.sleep(2.5)
            rects = [clock.rect() for clock in clocks]
            shoot(os.path.join(args.out, "linux-smooth-beside-region.png"), rects[0][0],
                  rects[0][1], rects[1][2], rects[1][3])
        finally:
            for clock in clocks:
                clock.stop()
    finally:
        compositor.terminate()
        compositor.wait()
        subprocess.run(["xsetroot", "-def"])


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

    shoot_smooth_edges(args, screen)

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
