#!/usr/bin/env python3
"""End-to-end checks of sorvane.exe under Wine, made from outside as a user would see it.

Each check starts the real program in a fresh temporary folder with the test skins, looks at
it with probe.exe (window styles, owner, region) and drives it with xdotool (drag, right
click, menu). Expects DISPLAY and WINEPREFIX to name a private display and Wine prefix.
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

WS_POPUP = 0x80000000
WS_CAPTION = 0x00C00000
WS_THICKFRAME = 0x00040000
WS_SYSMENU = 0x00080000
WS_EX_TOPMOST = 0x8
WS_EX_TOOLWINDOW = 0x80
HEADER = b"Vitrelle profiles file.\r\n"


def profile_lines(x=100, y=100, size="Small", style="Analog", datashow=0, seconds=1,
                  skin="test_ring.skn", name="StartUp", zone=None, label=None):
    """One profile's lines as the clock writes them; the zone and label only when set."""
    lines = [f"\\profile {name}", f"x {x} left", f"y {y} top", f"size {size}",
             "timecolor 16777215", "clockcolor 255", "dateformatnumber  1"]
    lines += [f"timezone {zone}"] if zone else []
    lines += [f"label {label}"] if label else []
    lines += [f"style {style}", f"showseconds {seconds}", f"showsecondsd {seconds}",
              f"datashow {datashow}", "format12 0", "showalarms 1", "ancor hook", "visible 1",
              f"skinfile {skin}", "fontitalic 0", "fontname Arial"]
    return lines


def profiles_bytes(*profiles):
    """A whole vl.prf of these profiles (each a list of lines from profile_lines)."""
    lines = ["Vitrelle profiles file."] + [line for p in profiles for line in p]
    return ("\r\n".join(lines) + "\r\n").encode()


def profile_bytes(**words):
    return profiles_bytes(profile_lines(**words))


class ClockFolder:
    """What every clock under test has: the test skins copied in, its vl.prf (at `prf`, which
    each kind of clock places), and its process."""
    process = None

    @staticmethod
    def copy_skins(skins, into):
        for name in os.listdir(skins):
            shutil.copy(os.path.join(skins, name), into)

    def write_profile(self, profile):
        if profile is not None:
            with open(self.prf, "wb") as f:
                f.write(profile)

    def prf_bytes(self):
        if not os.path.exists(self.prf):
            return None
        with open(self.prf, "rb") as f:
            return f.read()

    def wait_for_exit(self, seconds):
        try:
            self.process.wait(timeout=seconds)
            return True
        except subprocess.TimeoutExpired:
            return False


class Clock(ClockFolder):
    """One copy of sorvane.exe in its own folder."""

    def __init__(self, args, profile=None):
        self.args = args
        self.folder = tempfile.mkdtemp(prefix="sorvane-e2e-")
        shutil.copy(args.exe, self.folder)
        self.copy_skins(args.skins, self.folder)
        self.write_profile(profile)

    @property
    def prf(self):
        return os.path.join(self.folder, "vl.prf")

    def start(self):
        self.process = subprocess.Popen(["wine", "sorvane.exe"], cwd=self.folder,
                                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        return self.probe("wait", "20")

    def run_second_copy(self, timeout=30):
        began = time.monotonic()
        code = subprocess.run(["wine", "sorvane.exe"], cwd=self.folder, timeout=timeout,
                              stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode
        return code, time.monotonic() - began

    def probe(self, *words):
        # Output to a file, not a pipe: Wine's helper processes may hold a pipe open long
        # after the probe itself has ended.
        with tempfile.TemporaryFile() as out_file:
            subprocess.run(["wine", self.args.probe, *words], stdout=out_file,
                           stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL, timeout=60)
            out_file.seek(0)
            out = out_file.read().decode(errors="replace")
        facts = {}
        for line in out.splitlines():
            key, _, value = line.strip().partition("=")
            facts[key] = value
        return facts

    def stop(self):
        if self.process and self.process.poll() is None:
            self.probe("terminate")
            if not self.wait_for_exit(10):
                self.process.kill()
                self.process.wait()
        shutil.rmtree(self.folder, ignore_errors=True)


def numbers(text):
    return [int(v) for v in text.split(",")]


def xdotool(*words):
    subprocess.run(["xdotool", *[str(w) for w in words]], check=True)


def visible_point(facts):
    """A screen point inside the clock's region."""
    left, top, _, _ = numbers(facts["clock.rect"])
    x, y = numbers(facts["clock.region_inside"])
    return left + x, top + y


def wait_for(condition, seconds=5.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if condition():
            return True
        time.sleep(0.3)
    return condition()


def drag(start, by):
    x, y = start
    xdotool("mousemove", x, y)
    time.sleep(0.2)
    xdotool("mousedown", 1)
    for step in range(1, 6):
        time.sleep(0.1)
        xdotool("mousemove", x + by[0] * step // 5, y + by[1] * step // 5)
    time.sleep(0.2)
    xdotool("mouseup", 1)
    time.sleep(0.3)


class Checks:
    def __init__(self):
        self.failures = []
        self.passed = 0

    def expect(self, condition, what):
        if condition:
            self.passed += 1
            print(f"  ok   {what}")
        else:
            self.failures.append(what)
            print(f"  FAIL {what}")


def check_windows(args, c):
    print("windows and styles")
    clock = Clock(args, profile_bytes())
    try:
        f = clock.start()
        c.expect(f.get("clock") != "none", "the clock window appears")
        if f.get("clock") == "none":
            return
        style, exstyle = int(f["clock.style"], 16), int(f["clock.exstyle"], 16)
        c.expect(f["app.title"] == "Sorvane" and f["app.owner"] == "0",
                 "the application window is unowned and titled Sorvane")
        c.expect(int(f["app.exstyle"], 16) & WS_EX_TOOLWINDOW != 0,
                 "the application window is a tool window (no taskbar button)")
        c.expect(f["app.visible"] == "0", "the application window is hidden")
        c.expect(f["clock.owner"] == f["app.handle"], "the clock window is owned by it")
        c.expect(f["clock.title"] == "Sorvane" and f["clock.class"] == "TForm1",
                 "the clock window is class TForm1 captioned Sorvane")
        c.expect(exstyle & WS_EX_TOPMOST != 0, "the clock window is topmost")
        c.expect(style & WS_POPUP != 0 and style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU) == 0,
                 "the clock window has no frame, caption or system menu")
        c.expect(numbers(f["clock.rect"]) == [100, 100, 237, 237],
                 "a Small Analog hook profile at (100, 100) gives 137 x 137 there")
        box = numbers(f["clock.region_box"])
        c.expect(int(f["clock.region_rects"]) > 0 and box[0] >= 0 and box[2] <= 137,
                 f"the window has a non-empty region inside it ({f['clock.region_rects']} rects)")
        c.expect(clock.prf_bytes() == profile_bytes(), "starting writes no profiles file")
    finally:
        clock.stop()


def check_second_copy(args, c):
    print("a second copy")
    clock = Clock(args, profile_bytes())
    try:
        clock.start()
        os.remove(clock.prf)  # a second copy that read or wrote anything would show here
        code, seconds = clock.run_second_copy()
        f = clock.probe("clock")
        c.expect(code == 0, f"the second copy ends by itself (in {seconds:.1f} s, code {code})")
        c.expect(f.get("clock.count") == "1", "only one clock window exists")
        c.expect(clock.process.poll() is None, "the first copy still runs")
        c.expect(clock.prf_bytes() is None, "the second copy writes no profiles file")
    finally:
        clock.stop()


def check_foreign_titles(args, c):
    print("another program's windows")
    for title, blocks in (("Sorvane", True), ("sorvane", False), ("Sorvane ", False)):
        clock = Clock(args, profile_bytes())
        held = os.path.join(clock.folder, "held.txt")
        with open(held, "wb") as out_file:
            holder = subprocess.Popen(["wine", args.probe, "hold", title, "40"],
                                      stdin=subprocess.DEVNULL, stdout=out_file,
                                      stderr=subprocess.DEVNULL)
        try:
            for _ in range(200):  # "held=..." once the window exists
                if os.path.getsize(held) > 0:
                    break
                time.sleep(0.1)
            if blocks:
                code, _ = clock.run_second_copy()
                c.expect(code == 0 and clock.probe("clock").get("clock") == "none",
                         f"an unowned window titled {title!r} stops the start")
            else:
                f = clock.start()
                c.expect(f.get("clock") != "none", f"a window titled {title!r} does not")
        finally:
            clock.stop()
            holder.kill()
            holder.wait()
            # the held window goes with its process; give Wine a moment to forget it
            time.sleep(0.5)


def check_drag_close_kill(args, c):
    print("drag, close from the menu, kill")
    clock = Clock(args, profile_bytes())
    try:
        f = clock.start()
        start = visible_point(f)
        drag(start, (60, 40))
        time.sleep(0.5)  # the window's move reaches the profile
        moved = clock.probe("clock")
        c.expect(numbers(moved["clock.rect"]) == [160, 140, 297, 277],
                 f"a left drag moves the window by (60, 40): {moved['clock.rect']}")
        c.expect(wait_for(lambda: clock.prf_bytes() == profile_bytes(x=160, y=140)),
                 "the drag is saved as the mouse lets go")

        # Right click on the clock opens the menu at the mouse; its last item is "Close".
        import menu_checks
        menu_checks.MenuUser(clock).choose((menu_checks.TOP, menu_checks.TOP_CLOSE))
        c.expect(clock.wait_for_exit(15), "choosing Close from the right-click menu ends it")
        c.expect(clock.prf_bytes() == profile_bytes(x=160, y=140),
                 "Close writes vl.prf with the dragged position, byte for byte")
    finally:
        clock.stop()

    clock = Clock(args, profile_bytes(x=160, y=140))
    try:
        f = clock.start()
        drag(visible_point(f), (-50, 30))
        time.sleep(1.5)
        clock.probe("terminate")
        c.expect(clock.wait_for_exit(10), "the killed process ends")
        c.expect(clock.prf_bytes() == profile_bytes(x=110, y=170),
                 "a drag and then a kill: the drag is kept")
    finally:
        clock.stop()


def check_seconds_on_time(args, c):
    """Seconds change with the system clock: loose bounds, the machine may be busy."""
    print("seconds on time")
    import tick_watch
    clock = Clock(args, profile_bytes(style="Analog", seconds=1))
    try:
        clock.start()
        time.sleep(2)
        f = tick_watch.watch(clock, 20)
        c.expect(f["changes"] > 0 and f["lag_p95_ms"] < 200,
                 f"the outline changes within 200 ms of the second turning (95 %): {f}")
        c.expect(f["skipped"] <= 1 and f["doubled"] <= 1,
                 f"over 20 s at most one second skipped or shown twice: {f}")
    finally:
        clock.stop()


def check_first_start(args, c):
    print("a first start without a profiles file")
    clock = Clock(args)
    try:
        f = clock.start()
        c.expect(f.get("clock") != "none", "the clock starts with the default profile")
        _, top, right, _ = numbers(f["workarea"])
        corner = [right - 302, top, right, top + 302]
        c.expect(numbers(f["clock.rect"]) == corner,
                 f"302 x 302, whole at the work area's top-right corner: {f['clock.rect']}")
        clock.probe("command", "100")  # the Close item's command
        c.expect(clock.wait_for_exit(15), "the Close command ends it")
        data = clock.prf_bytes()
        c.expect(data is not None and data.startswith(HEADER) and data.endswith(b"\r\n"),
                 "Close writes a profiles file with its header and CR LF lines")
    finally:
        clock.stop()
    clock = Clock(args, data)
    try:
        f = clock.start()
        c.expect(numbers(f["clock.rect"]) == corner, "the saved offsets give that place again")
    finally:
        clock.stop()


def lock_profiles(clock, seconds):
    """Another program holds the clock's vl.prf open without sharing for `seconds`: it exists
    but cannot be read. Returns that program once it holds the file."""
    locked = os.path.join(clock.folder, "locked.txt")
    with open(locked, "wb") as out_file:
        locker = subprocess.Popen(["wine", clock.args.probe, "lock", "Z:" + clock.prf,
                                   str(seconds)], stdin=subprocess.DEVNULL, stdout=out_file,
                                  stderr=subprocess.DEVNULL)
    for _ in range(200):
        if os.path.getsize(locked) > 0:
            break
        time.sleep(0.1)
    return locker


def check_error_boxes(args, c):
    print("errors reach the error box")
    clock = Clock(args, profile_bytes())
    locker = lock_profiles(clock, 30)
    try:
        clock.process = subprocess.Popen(["wine", "sorvane.exe"], cwd=clock.folder,
                                         stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL)
        box = clock.probe("dialog", "20")
        c.expect(box.get("dialog") == "shown" and "vl.prf" in box.get("dialog.text", ""),
                 f"an unreadable vl.prf at start-up is reported: {box.get('dialog.text')!r}")
        f = clock.probe("wait", "10")
        c.expect(f.get("clock") != "none", "after the error box the window is shown all the same")
    finally:
        clock.stop()
        locker.kill()
        locker.wait()

    clock = Clock(args, profile_bytes())
    try:
        clock.start()
        os.remove(clock.prf)
        os.mkdir(clock.prf)  # now the profiles file cannot be replaced
        clock.probe("command", "100")
        box = clock.probe("dialog", "20")
        c.expect(box.get("dialog") == "shown", "a failed save on Close is reported")
        time.sleep(1.5)
        c.expect(clock.process.poll() is None and clock.probe("clock").get("clock") != "none",
                 "and the clock stays open")
    finally:
        clock.stop()


def clock_arguments():
    """A parser for the tools that run the clock: --exe, --probe and --skins, all required."""
    parser = argparse.ArgumentParser()
    for name in ("--exe", "--probe", "--skins"):
        parser.add_argument(name, required=True)
    return parser


def picture_arguments():
    """The screenshot tools' arguments: the clock's, and --out, the folder made if missing."""
    parser = clock_arguments()
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    return args


def main():
    parser = clock_arguments()
    parser.add_argument("--only", default="", help="run only checks whose name holds this")
    parser.add_argument("--screens", action="store_true",
                        help="the checks of changing screens and a log-off (Xvnc, own prefix)")
    args = parser.parse_args()
    c = Checks()
    import keep_checks
    import look_checks
    import menu_checks
    import session_checks
    import start_checks
    import world_checks
    checks = (check_windows, check_second_copy, check_foreign_titles, check_drag_close_kill,
              check_seconds_on_time, check_first_start, check_error_boxes) + menu_checks.CHECKS \
        + start_checks.CHECKS + keep_checks.CHECKS + look_checks.CHECKS + session_checks.CHECKS \
        + world_checks.CHECKS
    if args.screens:
        checks = session_checks.SCREEN_AND_SESSION_CHECKS
    if args.only:
        checks = [check for check in checks if args.only in check.__name__]
    for check in checks:
        began = time.monotonic()
        check(args, c)
        print(f"  ({check.__name__}: {time.monotonic() - began:.1f} s)")
    print(f"{c.passed} passed, {len(c.failures)} failed")
    for what in c.failures:
        print(f"failed: {what}")
    return 1 if c.failures else 0


if __name__ == "__main__":
    sys.exit(main())
