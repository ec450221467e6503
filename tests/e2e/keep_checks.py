"""End-to-end checks that the clock stays in reach and keeps what the user chose: a place no
mouse could grab is brought wholly onto the screen, Start with Windows writes and removes
the Run value, and a vl.prf that could not be read survives as vl.prf.bak."""
import os
import subprocess
import time

import menu_checks
from e2e_driver import Clock, lock_profiles, numbers, profile_bytes

RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
INT_MAX, INT_MIN = 2147483647, -2147483648


def inside(rect, area):
    return area[0] <= rect[0] and area[1] <= rect[1] and rect[2] <= area[2] and rect[3] <= area[3]


def check_extreme_offsets(args, c):
    print("places no mouse could grab")
    far_right = profile_bytes(x=INT_MAX, y=0)
    far_bottom_left = profile_bytes(x=INT_MIN, y=INT_MAX) \
        .replace(b" left\r\n", b" right\r\n").replace(b" top\r\n", b" bottom\r\n")
    for what, data, edge in (("hook, x 2147483647", far_right, lambda r, a: r[2] == a[2]),
                             ("x -2147483648 right, y 2147483647 bottom", far_bottom_left,
                              lambda r, a: r[0] == a[0] and r[3] == a[3])):
        clock = Clock(args, data)
        try:
            f = clock.start()
            rect, area = numbers(f["clock.rect"]), numbers(f["workarea"])
            c.expect(rect[2] - rect[0] == 137 and inside(rect, area) and edge(rect, area),
                     f"{what}: the whole clock at the nearest place on screen, {rect}")
            clock.probe("command", "100")
            clock.wait_for_exit(15)
            saved = clock.prf_bytes()
        finally:
            clock.stop()
        clock = Clock(args, saved)
        try:
            c.expect(numbers(clock.start()["clock.rect"]) == rect,
                     "the offsets saved after it give that place")
        finally:
            clock.stop()


def run_value():
    """The Run value "Sorvane", or None."""
    out = subprocess.run(["wine", "reg", "query", RUN_KEY, "/v", "Sorvane"],
                         stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                         stderr=subprocess.DEVNULL, timeout=60).stdout.decode(errors="replace")
    for line in out.splitlines():
        name, _, value = line.strip().partition("REG_SZ")
        if name.strip() == "Sorvane":
            return value.strip()
    return None


def set_run_value(value):
    subprocess.run(["wine", "reg", "add", RUN_KEY, "/v", "Sorvane", "/d", value, "/f"],
                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=60)


def wait_for_value(wanted, seconds=5.0):
    end = time.monotonic() + seconds
    while run_value() != wanted and time.monotonic() < end:
        time.sleep(0.3)
    return run_value()


def check_start_with_windows(args, c):
    print("Start with Windows")
    clock = Clock(args, profile_bytes())
    ours = '"Z:' + os.path.join(clock.folder, "sorvane.exe").replace("/", "\\") + '"'
    item = (menu_checks.TOP, menu_checks.TOP_START_WITH_WINDOWS)
    try:
        subprocess.run(["wine", "reg", "delete", RUN_KEY, "/v", "Sorvane", "/f"],
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=60)
        clock.start()
        user = menu_checks.MenuUser(clock)
        user.choose(item)
        value = wait_for_value(ours)
        c.expect(value is not None and value.lower() == ours.lower(),
                 f"turned on, the Run value holds the quoted path of sorvane.exe: {value}")
        user.choose(item)
        c.expect(wait_for_value(None) is None, "turned off, the value is gone")
        set_run_value('"C:\\elsewhere\\sorvane.exe"')
        user.choose(item)
        value = wait_for_value(ours)
        c.expect(value is not None and value.lower() == ours.lower(),
                 f"a value for another copy is rewritten when turned on: {value}")
        user.choose(item)
        c.expect(wait_for_value(None) is None, "and removed again")
        c.expect(clock.prf_bytes() == profile_bytes(), "no profiles file is written")
    finally:
        clock.stop()


def check_unread_profiles_kept(args, c):
    print("a vl.prf that could not be read is kept")
    clock = Clock(args, profile_bytes())
    locker = lock_profiles(clock, 60)
    try:
        clock.process = subprocess.Popen(["wine", "sorvane.exe"], cwd=clock.folder,
                                         stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL)
        clock.probe("dialog", "20")  # the start's report
        clock.probe("command", "100")
        box = clock.probe("dialog", "20")
        c.expect(box.get("dialog") == "shown" and clock.process.poll() is None,
                 "while it still cannot be read, Close refuses to save and says so")
        locker.kill()
        locker.wait()
        time.sleep(1)
        clock.probe("command", "100")
        c.expect(clock.wait_for_exit(15), "once it can be read, Close saves and ends")
        backup = os.path.join(clock.folder, "vl.prf.bak")
        kept = open(backup, "rb").read() if os.path.exists(backup) else None
        c.expect(kept == profile_bytes(), "vl.prf.bak holds the old bytes")
        c.expect(clock.prf_bytes() not in (None, profile_bytes()), "vl.prf holds the new save")
    finally:
        clock.stop()
        if locker.poll() is None:
            locker.kill()
            locker.wait()


CHECKS = (check_extreme_offsets, check_start_with_windows, check_unread_profiles_kept)
