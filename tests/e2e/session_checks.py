"""End-to-end checks that the clock is never lost nor stranded: an invisible clock answers a
second start with its menu; the end of the session saves; screens that change under the
running clock move it with them. The last two run on a display whose size can change (Xvnc)
in a Wine prefix of their own, since a log-off ends every program of the prefix."""
import os
import subprocess
import time

import menu_checks
from e2e_driver import Clock, drag, numbers, profile_bytes, visible_point, wait_for, xdotool


def check_invisible_second_start(args, c):
    print("an invisible clock: a second start opens its menu")
    clock = Clock(args, profile_bytes())
    try:
        clock.start()
        user = menu_checks.MenuUser(clock)
        c.expect(user.choose((menu_checks.TOP, menu_checks.TOP_ANALOG), (menu_checks.ANALOG, 0)),
                 "Analog Clock > Enable Analog Clock turns the only face off")
        c.expect(wait_for(lambda: numbers(clock.probe("clock")["clock.rect"])[2:] ==
                          numbers(clock.probe("clock")["clock.rect"])[:2]), "the clock shows nothing")
        xdotool("mousemove", 500, 400)
        code, seconds = clock.run_second_copy()
        c.expect(code == 0, f"a second copy ends by itself (in {seconds:.1f} s, code {code})")
        menus = user.wait_for_menus(1)
        c.expect(len(menus) == 1 and menus[0][:2] == [500, 400],
                 f"the running clock's menu opens at the mouse pointer: {menus}")
        c.expect(clock.process.poll() is None, "and the first copy keeps running")
        if menus:
            c.expect(user.click(0, menu_checks.TOP, menu_checks.TOP_CLOSE) and
                     clock.wait_for_exit(15), "Close in that menu ends the program")
    finally:
        clock.stop()


def corner_profile():
    """Small, kept at the bottom-right corner of the screen by its anchor edges."""
    return profile_bytes(x=-136, y=-136).replace(b" left\r\n", b" right\r\n") \
        .replace(b" top\r\n", b" bottom\r\n").replace(b"ancor hook", b"ancor desktop")


def check_screens(args, c):
    print("screens that change under the clock (ChangeDisplaySettingsExA on Xvnc)")
    for what, data, on_big, on_small in (
            ("a clock at the bottom-right corner", corner_profile(), [887, 631, 1024, 768],
             [663, 463, 800, 600]),
            ("a clock beyond a smaller screen", profile_bytes(x=900, y=650), [900, 650, 1037, 787],
             [663, 463, 800, 600])):
        clock = Clock(args, data)
        try:
            c.expect(numbers(clock.start()["clock.rect"]) == on_big, f"{what}: on 1024 x 768")
            for size, expected in (((800, 600), on_small), ((1024, 768), on_big)):
                screen = clock.probe("resolution", *map(str, size)).get("screen")
                shown = wait_for(lambda: numbers(clock.probe("clock")["clock.rect"]) == expected)
                c.expect(shown, f"{what}: on {screen}, "
                                f"{numbers(clock.probe('clock')['clock.rect'])} is {expected}")
            c.expect(clock.prf_bytes() == data, f"{what}: its profile is unchanged")
        finally:
            clock.probe("resolution", "1024", "768")
            clock.stop()


def check_log_off(args, c):
    print("a log-off (wineboot --end-session)")
    clock = Clock(args, profile_bytes())
    try:
        drag(visible_point(clock.start()), (60, 40))
        c.expect(wait_for(lambda: clock.prf_bytes() == profile_bytes(x=160, y=140)),
                 "the drag is saved")
        os.remove(clock.prf)  # what the log-off saves is seen alone
        subprocess.run(["wineboot", "--end-session"], stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60)
        c.expect(clock.wait_for_exit(20), "the clock ends with the session")
        c.expect(clock.prf_bytes() == profile_bytes(x=160, y=140),
                 "vl.prf holds the dragged place, byte for byte")
    finally:
        clock.stop()
        time.sleep(1)


CHECKS = (check_invisible_second_start,)
# Only on a display whose size can change, in a prefix of their own; the log-off last.
SCREEN_AND_SESSION_CHECKS = (check_screens, check_log_off)
