"""End-to-end checks of several clocks in one sorvane.exe: a clock window per profile, a
clock in another zone showing that zone's time, and New Clock, Remove Clock, Time Zone...
and Label... through the real menu and dialogs."""
import time

import menu_checks as m
from e2e_driver import Clock, numbers, profile_lines, profiles_bytes, wait_for, xdotool


def clocks(clock):
    """Every clock window: (rect, region hash, process id), oldest first."""
    facts = clock.probe("clocks")
    return [(numbers(facts[f"clock{i}.rect"]), facts[f"clock{i}.region_hash"],
             facts[f"clock{i}.pid"]) for i in range(int(facts.get("clocks", "0")))]


def wait_for_clocks(clock, count, seconds=10.0):
    wait_for(lambda: len(clocks(clock)) == count, seconds)
    return clocks(clock)


def choose_on(clock, user, index, entry):
    """Right-clicks the `index`th clock window where its outline is and clicks the top menu's
    entry `entry`."""
    facts = clock.probe("clocks")
    if int(facts.get("clocks", "0")) <= index:
        return False
    left, top, _, _ = numbers(facts[f"clock{index}.rect"])
    x, y = numbers(facts[f"clock{index}.region_inside"])
    return user.open_at(left + x, top + y) and user.click(0, m.TOP, entry)


def answer_dialog(clock, title, keys):
    """Waits for the dialog box titled `title`, puts the mouse on its edit box (without a
    window manager the keys go where the pointer is) and types. Returns what the edit box
    held at first."""
    facts = clock.probe("dialog-edit", title, "10")
    if facts.get("dialog") != "shown":
        return None
    left, top, right, bottom = numbers(facts["dialog.edit_rect"])
    xdotool("mousemove", (left + right) // 2, (top + bottom) // 2)
    time.sleep(0.3)
    for key in keys:
        xdotool(*key) if isinstance(key, tuple) else xdotool("type", "--delay", "80", key)
        time.sleep(0.3)
    return facts.get("dialog.edit", "")


def check_several_clocks(args, c):
    print("several clocks: a window each, a zone's time, Close saves them all")
    # Kolkata and Colombo are both UTC+05:30 all year: their clocks show one time, which the
    # clock of the system's own zone (UTC here) does not.
    profiles = [profile_lines(x=100, seconds=0),
                profile_lines(x=300, seconds=0, name="Kolkata", zone="Asia/Kolkata"),
                profile_lines(x=500, seconds=0, name="Colombo", zone="Asia/Colombo")]
    data = profiles_bytes(*profiles)
    clock = Clock(args, data)
    try:
        clock.start()
        m.clear_of_minute_change(10)
        shown = wait_for_clocks(clock, 3)
        c.expect(len(shown) == 3 and len({pid for _, _, pid in shown}) == 1,
                 f"three profiles, three clock windows of one process: {len(shown)}")
        if len(shown) != 3:
            return
        c.expect([r for r, _, _ in shown] == [[x, 100, x + 137, 237] for x in (100, 300, 500)],
                 f"each where its profile puts it: {[r for r, _, _ in shown]}")
        local, kolkata, colombo = (h for _, h, _ in shown)
        c.expect(kolkata == colombo and kolkata != local,
                 f"the Kolkata clock shows UTC+05:30's time, not the local one "
                 f"({kolkata}, {colombo}, {local})")
        user = m.MenuUser(clock)
        c.expect(choose_on(clock, user, 1, m.TOP_CLOSE), "Close in the second clock's menu")
        c.expect(clock.wait_for_exit(15), "ends the program")
        c.expect(clock.prf_bytes() == data, "and saves every profile, byte for byte")
    finally:
        clock.stop()


def check_world_clock_menu(args, c):
    print("New Clock, Time Zone..., Label..., Remove Clock from the menu")
    first = profile_lines(x=100, seconds=0)
    clock = Clock(args, profiles_bytes(first))
    try:
        clock.start()
        user = m.MenuUser(clock)
        c.expect(choose_on(clock, user, 0, m.TOP_NEW_CLOCK), "New Clock")
        shown = wait_for_clocks(clock, 2)
        c.expect([r for r, _, _ in shown] == [[100, 100, 237, 237], [237, 100, 374, 237]],
                 f"a second clock, whole, beside the first: {[r for r, _, _ in shown]}")
        second = profile_lines(x=237, seconds=0, name="Clock 2")
        c.expect(wait_for(lambda: clock.prf_bytes() == profiles_bytes(first, second)),
                 "saved at once")

        c.expect(choose_on(clock, user, 1, m.TOP_TIME_ZONE), "Time Zone... on it")
        answer_dialog(clock, "Time Zone", ["kolkata", ("key", "Return")])
        offered = answer_dialog(clock, "Label", [("key", "Return")])
        c.expect(offered == "Kolkata", f"the label box offers the zone's city: {offered!r}")
        labelled = profile_lines(x=237, seconds=0, name="Clock 2", zone="Asia/Kolkata",
                                 label="Kolkata")
        c.expect(wait_for(lambda: clock.prf_bytes() == profiles_bytes(first, labelled)),
                 "the zone and the label are saved")
        c.expect(wait_for(lambda: [r for r, _, _ in clocks(clock)][1] == [237, 100, 374, 271]),
                 f"the window grows by the label's line: {[r for r, _, _ in clocks(clock)]}")

        c.expect(choose_on(clock, user, 1, m.TOP_LABEL), "Label... on it")
        answer_dialog(clock, "Label", [("key", "ctrl+a"), "Pune", ("key", "Return")])
        renamed = profile_lines(x=237, seconds=0, name="Clock 2", zone="Asia/Kolkata",
                                label="Pune")
        c.expect(wait_for(lambda: clock.prf_bytes() == profiles_bytes(first, renamed)),
                 "a new label is saved")

        c.expect(choose_on(clock, user, 0, m.TOP_REMOVE_CLOCK), "Remove Clock")
        c.expect(len(wait_for_clocks(clock, 1)) == 1, "leaves one clock window")
        c.expect(wait_for(lambda: clock.prf_bytes() == profiles_bytes(renamed)),
                 "and vl.prf the other clock's profile")
    finally:
        clock.stop()


CHECKS = (check_several_clocks, check_world_clock_menu)
