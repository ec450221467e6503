#!/usr/bin/python3
"""End-to-end checks of the native clock, sorvane, on a virtual display, made from outside
as a user would see it: windows and shapes read from the X server, the mouse and keys driven
with xdotool, the settings read from $XDG_CONFIG_HOME/sorvane/vl.prf.

Each clock runs in a fresh folder of its own (config, data with the test skins, runtime
folder for the lock) and the program alone, without the shipped skins, as the Windows checks
run sorvane.exe alone with the test skins. The expected vl.prf bytes come from the Windows
checks' own profile_bytes for the same steps.
"""
import argparse
import os
import signal
import shutil
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "e2e"))
from linux_clock import ANALOG, LINKS, SIZES, Clock, choose, keys_to  # noqa: E402
from e2e_driver import (Checks, drag, profile_bytes, profile_lines,  # noqa: E402
                        profiles_bytes, wait_for as wait_until, xdotool)
from look_checks import screen_pixels  # noqa: E402
from smooth_edges_checks import check_smooth_edges  # noqa: E402
from system_zone_checks import check_system_zone_change  # noqa: E402
from x_windows import Screen, wait_for  # noqa: E402


def shape_changes(screen, window, seconds):
    """How often the window's shape on the X server changes within `seconds`."""
    changes, last = 0, screen.shape_rects(window)
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        time.sleep(0.05)
        now = screen.shape_rects(window)
        changes, last = changes + (now != last), now
    return changes


def foreign_pixels_over_ticks(screen, window, ticks):
    """Pixels inside the window's shape that are neither its face colour (red) nor its text
    colour (white), over `ticks` screenshots taken while the shape stayed put; None if the
    shape never stayed put for one."""
    left, top, right, bottom = screen.rect(window)
    foreign, taken = 0, 0
    for _ in range(ticks * 4):
        before = screen.shape_rects(window)
        pixels = screen_pixels([left, top, right, bottom])
        if screen.shape_rects(window) != before:
            continue
        taken += 1
        foreign += sum(1 for x, y, cx, cy in before for px in range(x, x + cx)
                       for py in range(y, y + cy)
                       if pixels[(left + px, top + py)] not in ("#FF0000", "#FFFFFF"))
        if taken == ticks:
            return foreign
        time.sleep(1)
    return None


def check_window(args, screen, c):
    print("the clock window, a second copy, Start at Login")
    clock = Clock(args, screen, profile_bytes())
    try:
        w = clock.start()
        c.expect(w is not None, "the clock window appears")
        if w is None:
            return
        c.expect(clock.rect() == [100, 100, 237, 237],
                 f"a Small Analog hook profile at (100, 100) gives 137 x 137 there: {clock.rect()}")
        rects = screen.shape_rects(w)
        c.expect(0 < len(rects) and all(x >= 0 and y >= 0 and x + cx <= 137 and y + cy <= 137
                                        for x, y, cx, cy in rects),
                 f"the window is shaped to its outline ({len(rects)} rectangles inside it)")
        states = screen.wm_state(w, "_NET_WM_STATE")
        c.expect("_NET_WM_STATE_ABOVE" in states or "_NET_WM_STATE_STAYS_ON_TOP" in states,
                 f"it asks to stay on top: {states}")
        kinds = screen.wm_state(w, "_NET_WM_WINDOW_TYPE")
        c.expect("_NET_WM_WINDOW_TYPE_UTILITY" in kinds or "_NET_WM_STATE_SKIP_TASKBAR" in states,
                 f"it is a tool window, kept out of the taskbar: {kinds}")
        c.expect(clock.prf_bytes() == profile_bytes(), "starting writes no profiles file")

        os.remove(clock.prf)  # a second copy that read or wrote anything would show here
        began = time.monotonic()
        second = clock.launch()
        code = second.wait(timeout=30)
        c.expect(code == 0, f"a second copy ends by itself (in {time.monotonic() - began:.1f} s,"
                            f" code {code})")
        c.expect(len(screen.clock()) == 1 and clock.process.poll() is None,
                 "one clock window, and the first copy still runs")
        # Without a tray host the icon shows nowhere: the menu comes to the user instead.
        c.expect(wait_for(screen.menus, 5), "with no tray, the second start opens the menu")
        xdotool("key", "Escape")
        c.expect(wait_for(lambda: not screen.menus(), 5), "which Escape closes")
        c.expect(clock.prf_bytes() is None, "the second copy writes no profiles file")

        entry = os.path.join(clock.folder, "config", "autostart", "sorvane.desktop")
        c.expect(choose(clock, keys_to("Start at Login")) and wait_for(
            lambda: os.path.exists(entry), 5), "Start at Login writes an autostart entry")
        program = os.path.join(clock.bin, "sorvane")
        with open(entry) as f:
            text = f.read()
        c.expect(f'Exec="{program}"' in text and "[Desktop Entry]" in text,
                 "which starts this program by its full path")
        c.expect(choose(clock, keys_to("Start at Login")) and wait_for(
            lambda: not os.path.exists(entry), 5), "choosing it again removes the entry")
        c.expect(clock.prf_bytes() is None, "neither writes the profiles file")
        changes = shape_changes(screen, clock.window(), 3.2)
        c.expect(changes >= 3, f"the second hand's shape reaches the screen every second, "
                               f"nothing else going on ({changes} changes in 3.2 s)")
        # What a new outline uncovers, or a closed menu leaves, shows the clock's own colours.
        foreign = foreign_pixels_over_ticks(screen, clock.window(), 4)
        c.expect(foreign == 0, f"every pixel inside the outline is red or white over four "
                               f"seconds' shapes, after its menus closed: {foreign} are not")

        c.expect(choose(clock, keys_to("Help")) and choose(clock, keys_to("More", LINKS, "Read Me")),
                 "Help and More > Read Me are chosen")
        def pages():
            return open(clock.opened).read().split() if os.path.exists(clock.opened) else []
        wait_for(lambda: len(pages()) >= 2, 5)  # each xdg-open runs on its own
        opened = pages()
        share = "file://" + os.path.join(clock.folder, "share", "sorvane", "help")
        c.expect(sorted(opened) == [share + "/1_1.html", share + "/links/readme.html"],
                 f"they open the help's first page and the read-me page in the browser: {opened}")
    finally:
        clock.stop()


def check_drag_menu_close(args, screen, c):
    print("drag, size and skin from the menu, Close; then a drag and a kill")
    clock = Clock(args, screen, profile_bytes())
    try:
        clock.start()
        drag(clock.visible_point(), (60, 40))
        c.expect(wait_for(lambda: clock.rect() == [160, 140, 297, 277], 5),
                 f"a left drag moves the window by (60, 40): {clock.rect()}")
        c.expect(wait_for(lambda: clock.prf_bytes() == profile_bytes(x=160, y=140), 5),
                 "the drag is saved as the mouse lets go")

        c.expect(choose(clock, keys_to("Size", SIZES, "Tiny")), "Size > Tiny is chosen")
        c.expect(wait_for(lambda: b"size Tiny\r\n" in (clock.prf_bytes() or b""), 5),
                 "Tiny is saved at once")
        tiny = clock.rect()
        c.expect(tiny is not None and tiny[2] - tiny[0] < 137,
                 f"the window shrinks: {tiny}")
        shape_before = screen.shape_rects(clock.window())
        saved = clock.prf_bytes()
        c.expect(choose(clock, keys_to("Analog Clock", ANALOG, "Test Square")),
                 "Analog Clock > Test Square is chosen")
        c.expect(wait_for(lambda: screen.shape_rects(clock.window()) != shape_before, 3),
                 "the other skin changes the outline")
        c.expect(wait_for(lambda: clock.prf_bytes() == saved.replace(b"test_ring", b"test_square"),
                          5), "the skin is saved at once")
        c.expect(choose(clock, keys_to("Close")), "Close is chosen")
        c.expect(clock.wait_for_exit(15), "Close from the menu ends the program")
        expected = profile_bytes(x=160, y=140, size="Tiny", skin="test_square.skn")
        c.expect(clock.prf_bytes() == expected,
                 "vl.prf is byte for byte what sorvane.exe writes for the same steps")
        if clock.prf_bytes() != expected:
            print(f"    got      {clock.prf_bytes()!r}\n    expected {expected!r}")

        # The next start: the lock of the copy that ended is free, the profile in place.
        clock.start()
        drag(clock.visible_point(), (-50, 30))
        dragged = profile_bytes(x=110, y=170, size="Tiny", skin="test_square.skn")
        wait_for(lambda: clock.prf_bytes() == dragged, 5)
        clock.kill()
        c.expect(clock.prf_bytes() == dragged, "a drag and then a kill: the drag is kept")
        c.expect(clock.start() is not None, "a copy started after the kill runs (the killed "
                                             "copy's lock is taken over)")
        drag(clock.visible_point(), (20, 20))
        wait_for(lambda: clock.prf_bytes() != dragged, 5)
        os.remove(clock.prf)  # what the end of the session saves is seen alone
        clock.process.send_signal(signal.SIGTERM)
        c.expect(clock.wait_for_exit(15) and clock.process.returncode == 0,
                 f"SIGTERM ends the program cleanly (code {clock.process.returncode})")
        c.expect(clock.prf_bytes() == profile_bytes(x=130, y=190, size="Tiny",
                                                     skin="test_square.skn"),
                 "and saves every profile first")
    finally:
        clock.stop()


def check_tray_first_start(args, screen, c):
    """A first start without a profiles file (or a config folder) shows the whole clock at the
    screen's top-right corner; its icon in the tray reaches the menu."""
    print("a first start, the tray icon in an XEmbed tray host (trayer)")
    tray = subprocess.Popen(["trayer", "--edge", "bottom", "--align", "left", "--widthtype",
                             "request", "--height", "24", "--SetDockType", "false"],
                            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    clock = Clock(args, screen)
    shutil.rmtree(os.path.dirname(clock.config))
    try:
        time.sleep(1.0)  # the tray host takes the tray selection
        c.expect(clock.start() is not None, "the clock starts with the default profile")
        rect = clock.rect()
        c.expect(rect is not None and rect[2] - rect[0] == 302 and rect[1] == 0 and rect[2] == 1024,
                 f"whole at the top-right corner of the 1024-wide screen: {rect}")
        icon = wait_for(screen.tray_icon, 10)
        c.expect(icon is not None, f"the clock's icon shows in the tray: {icon}")
        if icon is None:
            return
        x, y = (icon[0] + icon[2]) // 2, (icon[1] + icon[3]) // 2
        xdotool("mousemove", x, y)
        time.sleep(0.2)
        xdotool("click", 1)
        time.sleep(1.0)
        c.expect(not screen.menus(), "a left click on the icon opens nothing")
        c.expect(choose(clock, keys_to("Close"), at=(x, y)),
                 "a right click on the icon opens the menu, and Close can be chosen in it")
        c.expect(clock.wait_for_exit(15), "Close from the icon's menu ends the program")
        data = clock.prf_bytes()
        c.expect(data is not None and data.startswith(b"Vitrelle profiles file.\r\n"),
                 "and writes vl.prf into a config folder made for it")
    finally:
        clock.stop()
        tray.kill()
        tray.wait()


def check_invisible_second_start(args, screen, c):
    print("an invisible clock without a tray: a second start opens its menu")
    clock = Clock(args, screen, profile_bytes())
    try:
        clock.start()
        c.expect(choose(clock, keys_to("Analog Clock", ANALOG, "Enable Analog Clock")),
                 "Analog Clock > Enable Analog Clock turns the only face off")
        c.expect(wait_for(lambda: clock.rect() is None or clock.rect()[2] == clock.rect()[0], 5),
                 "the clock shows nothing")
        xdotool("mousemove", 500, 400)
        second = clock.launch()
        c.expect(second.wait(timeout=30) == 0, "the second copy ends by itself")
        menu = wait_for(screen.menus, 5)
        c.expect(menu and menu[0][:2] == [500, 400],
                 f"the running clock's menu opens at the mouse pointer: {menu}")
        for key in keys_to("Close"):
            time.sleep(0.15)
            xdotool("key", key)
        c.expect(clock.wait_for_exit(15), "and Close in it ends the program")
    finally:
        clock.stop()


def check_screens(args, screen, c):
    """Needs a display whose size can change (Xvnc): xrandr -s while the clocks run."""
    print("screens that change under the clock (xrandr on Xvnc)")
    corner = profile_bytes(x=-136, y=-136).replace(b" left\r\n", b" right\r\n") \
        .replace(b" top\r\n", b" bottom\r\n").replace(b"ancor hook", b"ancor desktop")
    beyond = profile_bytes(x=900, y=650)
    clocks = [Clock(args, screen, corner), Clock(args, screen, beyond)]
    try:
        for clock in clocks:
            clock.start()
        c.expect([k.rect() for k in clocks] == [[887, 631, 1024, 768], [900, 650, 1037, 787]],
                 f"on 1024 x 768: at the corner, and partly beyond the edge: "
                 f"{[k.rect() for k in clocks]}")
        for size, expected in (("800x600", [[663, 463, 800, 600], [663, 463, 800, 600]]),
                               ("1024x768", [[887, 631, 1024, 768], [900, 650, 1037, 787]])):
            subprocess.run(["xrandr", "-s", size], check=True, stdout=subprocess.DEVNULL)
            seen = wait_for(lambda: [k.rect() for k in clocks] == expected and expected, 10)
            c.expect(seen, f"on {size}: the corner clock at the new corner, the other whole in "
                           f"view or back at its place: {[k.rect() for k in clocks]}")
        c.expect([k.prf_bytes() for k in clocks] == [corner, beyond],
                 "neither profile changed")
    finally:
        subprocess.run(["xrandr", "-s", "1024x768"], stdout=subprocess.DEVNULL)
        for clock in clocks:
            clock.stop()


def clock_windows(clock):
    """The program's clock windows, left to right."""
    windows = clock.screen.clock(clock.process.pid)
    return sorted(windows, key=lambda w: clock.screen.rect(w)[0])


def choose_on(clock, window, keys):
    """Right-clicks a clock window where its shape is and walks its menu by keys."""
    left, top, _, _ = clock.screen.rect(window)
    x, y, width, height = clock.screen.shape_rects(window)[0]
    return choose(clock, keys, at=(left + x + width // 2, top + y + height // 2))


def answer_dialog(clock, title, keys):
    """Waits for the dialog titled `title` and types into it: text, or ("key", name)."""
    dialog = wait_for(lambda: clock.screen.named(title), 10)
    if not dialog:
        return False
    for key in keys:
        time.sleep(0.3)
        xdotool(*key) if isinstance(key, tuple) else xdotool("type", key)
    return wait_for(lambda: not clock.screen.named(title), 10)


def check_several_clocks(args, screen, c):
    print("several clocks: a window each, a zone's time, Close saves them all")
    # Kolkata and Colombo are both UTC+05:30 all year: one time, which the local clock (UTC
    # here) does not show.
    profiles = [profile_lines(x=100, seconds=0),
                profile_lines(x=300, seconds=0, name="Kolkata", zone="Asia/Kolkata"),
                profile_lines(x=500, seconds=0, name="Colombo", zone="Asia/Colombo")]
    data = profiles_bytes(*profiles)
    clock = Clock(args, screen, data)
    try:
        clock.process = clock.launch()
        windows = wait_for(lambda: len(clock_windows(clock)) == 3 and clock_windows(clock), 20)
        c.expect(windows and len(windows) == 3, "three profiles, three clock windows of one process")
        if not windows:
            return
        while not 2 <= time.localtime().tm_sec <= 50:  # the minute stays while the shapes are read
            time.sleep(0.5)
        rects = [screen.rect(w) for w in windows]
        c.expect(rects == [[x, 100, x + 137, 237] for x in (100, 300, 500)],
                 f"each where its profile puts it: {rects}")
        local, kolkata, colombo = (screen.shape_rects(w) for w in windows)
        c.expect(kolkata == colombo and kolkata != local,
                 "the Kolkata clock shows UTC+05:30's time, not the local one")
        c.expect(choose_on(clock, windows[1], keys_to("Close", disabled=())),
                 "Close in the second clock's menu")
        c.expect(clock.wait_for_exit(15), "ends the program")
        c.expect(clock.prf_bytes() == data, "and saves every profile, byte for byte")
    finally:
        clock.stop()


def check_world_clock_menu(args, screen, c):
    print("New Clock, Time Zone..., Label..., Remove Clock from the menu")
    first = profile_lines(x=100, seconds=0)
    clock = Clock(args, screen, profiles_bytes(first))
    try:
        clock.start()
        c.expect(choose(clock, keys_to("New Clock")), "New Clock")
        windows = wait_for(lambda: len(clock_windows(clock)) == 2 and clock_windows(clock), 10)
        c.expect(windows and [screen.rect(w) for w in windows] ==
                 [[100, 100, 237, 237], [237, 100, 374, 237]],
                 "a second clock, whole, beside the first")
        if not windows:
            return
        second = profile_lines(x=237, seconds=0, name="Clock 2")
        c.expect(wait_until(lambda: clock.prf_bytes() == profiles_bytes(first, second)),
                 "saved at once")

        c.expect(choose_on(clock, windows[1], keys_to("Time Zone...", disabled=())),
                 "Time Zone... on it")
        c.expect(answer_dialog(clock, "Time Zone", ["kolkata", ("key", "Return")]),
                 "typing in the zone chooser's filter and Enter choose the zone")
        c.expect(answer_dialog(clock, "Label", [("key", "Return")]), "the label box is answered")
        labelled = profile_lines(x=237, seconds=0, name="Clock 2", zone="Asia/Kolkata",
                                 label="Kolkata")
        c.expect(wait_until(lambda: clock.prf_bytes() == profiles_bytes(first, labelled)),
                 "the zone is saved with its city as the label")
        c.expect(wait_until(lambda: screen.rect(clock_windows(clock)[1]) == [237, 100, 374, 271]),
                 "the window grows by the label's line")

        c.expect(choose_on(clock, clock_windows(clock)[1], keys_to("Label...", disabled=())),
                 "Label... on it")
        c.expect(answer_dialog(clock, "Label", [("key", "ctrl+a"), "Pune", ("key", "Return")]), "a new label")
        renamed = profile_lines(x=237, seconds=0, name="Clock 2", zone="Asia/Kolkata",
                                label="Pune")
        c.expect(wait_until(lambda: clock.prf_bytes() == profiles_bytes(first, renamed)),
                 "is saved")

        c.expect(choose_on(clock, clock_windows(clock)[0], keys_to("Remove Clock", disabled=())),
                 "Remove Clock on the first")
        c.expect(wait_until(lambda: len(clock_windows(clock)) == 1, 10), "leaves one window")
        c.expect(wait_until(lambda: clock.prf_bytes() == profiles_bytes(renamed)),
                 "and vl.prf the other clock's profile")
    finally:
        clock.stop()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--skins", required=True)
    parser.add_argument("--only", default="")
    args = parser.parse_args()
    screen = Screen()
    c = Checks()
    checks = [check_window, check_drag_menu_close, check_tray_first_start,
              check_invisible_second_start, check_several_clocks, check_world_clock_menu,
              check_smooth_edges, check_system_zone_change]
    if args.only:
        checks = [check for check in checks + [check_screens] if args.only in check.__name__]
    for check in checks:
        began = time.monotonic()
        check(args, screen, c)
        print(f"  ({check.__name__}: {time.monotonic() - began:.1f} s)")
    print(f"{c.passed} passed, {len(c.failures)} failed")
    for what in c.failures:
        print(f"failed: {what}")
    return 1 if c.failures else 0


if __name__ == "__main__":
    sys.exit(main())
