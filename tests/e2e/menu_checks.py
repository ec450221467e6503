"""End-to-end checks of the popup menu: opened as a user opens it (right click on the clock
or on the notification-area icon), items chosen with mouse clicks, results read from the
window and from vl.prf.

Menu contents cannot be read from another process under Wine, so item positions are worked
out from the menu window's rectangle and the item heights the view measures with (the probe
asks the same painter in the same Wine prefix).
"""
import time

from e2e_driver import Clock, numbers, profile_bytes, visible_point, wait_for, xdotool

ITEM, SEP = "item", "sep"
# The entries of each menu, in display order; the skin items follow the analog submenu's four.
TOP = [ITEM, SEP, ITEM, ITEM, ITEM, ITEM, SEP, ITEM, ITEM, ITEM, ITEM, SEP, ITEM, ITEM, ITEM, SEP,
       ITEM]
TOP_ANALOG, TOP_DIGITAL, TOP_COLOR, TOP_SIZE = 2, 3, 4, 5
TOP_TIME_ZONE, TOP_LABEL, TOP_NEW_CLOCK, TOP_REMOVE_CLOCK = 7, 8, 9, 10
TOP_START_WITH_WINDOWS, TOP_CLOSE = 12, 16
COLOR = [ITEM, ITEM, SEP, ITEM, ITEM]  # Set Analog Color, Set Digital Color, Smooth Edges, Opacity
COLOR_SMOOTH, COLOR_OPACITY = 3, 4
OPACITIES = [ITEM] * 4  # 100, 85, 70, 50 %
ANALOG = [ITEM, SEP, ITEM, SEP, ITEM, ITEM]  # enable, show seconds, the two test skins
ANALOG_FIRST_SKIN = 4
DIGITAL = [ITEM, SEP, ITEM, SEP, ITEM, ITEM, SEP, ITEM, ITEM, SEP, ITEM]
DIGITAL_ENABLE, DIGITAL_SHOW_DATE, DIGITAL_DATE_FORMAT, DIGITAL_FONT = 0, 4, 5, 10
DATE_FORMATS = [ITEM, ITEM, SEP, ITEM, ITEM, ITEM, ITEM, SEP, ITEM, ITEM, ITEM, ITEM]
SIZES = [ITEM] * 7  # FullScreen, Huge, Large, Medium, Small, Tiny, SuperTiny
SIZE_TINY = 5
# Space above the first item: the menu's border and margin.
TOP_MARGIN = 3


class MenuUser:
    """Opens the clock's menu and clicks its items, one submenu level after another."""

    def __init__(self, clock):
        self.clock = clock
        heights = clock.probe("menu-heights")
        self.heights = {ITEM: int(heights["menu.item_height"]),
                        SEP: int(heights["menu.separator_height"])}

    def menus(self):
        facts = self.clock.probe("menus")
        return [numbers(facts[f"menu{i}.rect"]) for i in range(int(facts.get("menus", "0")))]

    def wait_for_menus(self, count, seconds=5.0):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            found = self.menus()
            if len(found) >= count:
                return found
            time.sleep(0.3)
        return self.menus()

    def open_on_clock(self):
        x, y = visible_point(self.clock.probe("clock"))
        return self.open_at(x, y)

    def open_at(self, x, y):
        # A second try: just after a dialog has closed, the first click may only give the
        # clock back its activation.
        for _ in range(2):
            xdotool("mousemove", x, y)
            time.sleep(0.2)
            xdotool("click", 3)
            if self.wait_for_menus(1, 3.0):
                return True
        return False

    def point(self, rect, layout, index):
        left, top, right, _ = rect
        y = top + TOP_MARGIN + sum(self.heights[k] for k in layout[:index])
        return (left + right) // 2, y + self.heights[layout[index]] // 2

    def click(self, level, layout, index):
        """Clicks entry `index` of the open menu at `level` (0 the popup menu itself)."""
        menus = self.wait_for_menus(level + 1)
        if len(menus) <= level:
            return False
        x, y = self.point(menus[level], layout, index)
        xdotool("mousemove", x, y)
        time.sleep(0.4)
        xdotool("click", 1)
        time.sleep(0.8)
        return True

    def choose(self, *path):
        """Opens the menu on the clock and follows (layout, index) pairs down to an item."""
        if not self.open_on_clock():
            return False
        for level, (layout, index) in enumerate(path):
            if not self.click(level, layout, index):
                return False
        return True


def prf_lines(clock):
    data = clock.prf_bytes()
    return data.decode("latin-1").split("\r\n") if data else []


def clear_of_minute_change(seconds_needed=20):
    """Waits until the minute will not turn within `seconds_needed`: without seconds the
    outline changes only with the minute, and a check that compares two outlines taken
    across that turn would see a change that the command did not make. The first two seconds
    of a minute count as across it: the clock's tick may not have drawn the new minute yet."""
    while not 2 <= time.localtime().tm_sec <= 59 - seconds_needed:
        time.sleep(0.5)


def region(clock):
    facts = clock.probe("clock")
    return facts.get("clock.rect"), facts.get("clock.region_rects", facts.get("clock.region"))


def check_menu_size_and_date(args, c):
    print("menu: size, show date, enable digital, date format")
    # Without seconds the outline stays still between minutes, so a change is the menu's.
    clock = Clock(args, profile_bytes(seconds=0))
    try:
        before = numbers(clock.start()["clock.rect"])
        user = MenuUser(clock)
        c.expect(user.open_on_clock() and len(user.menus()) == 1,
                 "a right click on the clock opens one popup menu")
        xdotool("key", "Escape")
        xdotool("click", 1)  # a click elsewhere closes it, whether or not keys reach it
        c.expect(wait_for(lambda: not user.menus()), "a click outside closes the menu")

        c.expect(user.choose((TOP, TOP_SIZE), (SIZES, SIZE_TINY)), "Size > Tiny can be clicked")
        c.expect(wait_for(lambda: "size Tiny" in prf_lines(clock)), "Tiny is saved at once")
        tiny = numbers(clock.probe("clock")["clock.rect"])
        c.expect(tiny[2] - tiny[0] < before[2] - before[0],
                 f"the window shrinks from {before} to {tiny}")

        c.expect(user.choose((TOP, TOP_DIGITAL), (DIGITAL, DIGITAL_SHOW_DATE)),
                 "Digital Clock > Show Date can be clicked")
        c.expect(wait_for(lambda: "datashow 1" in prf_lines(clock)), "Show Date is saved at once")
        dated = numbers(clock.probe("clock")["clock.rect"])
        c.expect(dated[3] - dated[1] > tiny[3] - tiny[1],
                 f"Show Date makes the window taller: {tiny} to {dated}")

        c.expect(user.choose((TOP, TOP_DIGITAL), (DIGITAL, DIGITAL_ENABLE)),
                 "Digital Clock > Enable Digital Clock can be clicked")
        c.expect(wait_for(lambda: "style AnaDigi" in prf_lines(clock)),
                 "Enable Digital Clock on Analog saves style AnaDigi")

        clear_of_minute_change()
        outline = clock.probe("clock")
        c.expect(user.choose((TOP, TOP_DIGITAL), (DIGITAL, DIGITAL_DATE_FORMAT),
                             (DATE_FORMATS, 3)),
                 "Digital Clock > Date Format > 3 can be clicked")
        c.expect(wait_for(lambda: "dateformatnumber  3" in prf_lines(clock)),
                 "date format 3 is saved at once")
        changed = clock.probe("clock")
        c.expect(changed.get("clock.region_hash") != outline.get("clock.region_hash"),
                 "the date line's outline changes with the format")
    finally:
        clock.stop()


def check_menu_skin_and_kill(args, c):
    print("menu: skin chosen, saved at once, kept through a kill")
    clock = Clock(args, profile_bytes(seconds=0))
    try:
        clock.start()
        user = MenuUser(clock)
        clear_of_minute_change()
        first = clock.probe("clock").get("clock.region_hash")
        changed = False
        for index in (ANALOG_FIRST_SKIN, ANALOG_FIRST_SKIN + 1):
            c.expect(user.choose((TOP, TOP_ANALOG), (ANALOG, index)),
                     f"Analog Clock > skin item {index - ANALOG_FIRST_SKIN + 1} can be clicked")
            if wait_for(lambda: clock.probe("clock").get("clock.region_hash") != first, 3):
                changed = True
                break
        c.expect(changed, "choosing the other skin changes the outline")
        expected = profile_bytes(seconds=0, skin="test_square.skn")
        c.expect(wait_for(lambda: clock.prf_bytes() == expected),
                 f"the skin is saved at once, byte for byte: {prf_lines(clock)}")
        clock.probe("terminate")
        c.expect(clock.wait_for_exit(10) and clock.prf_bytes() == expected,
                 "killed afterwards, the file still holds it")
    finally:
        clock.stop()


def check_tray_menu(args, c):
    print("menu: notification-area icon")
    clock = Clock(args, profile_bytes())
    try:
        clock.start()
        user = MenuUser(clock)
        tray = [w for w in clock.probe("list-tray").get("tray.rect", "").split(";") if w]
        c.expect(bool(tray), "Wine shows its notification area with the clock's icon")
        if not tray:
            return
        left, top, right, bottom = numbers(tray[0])
        x, y = left + 12, bottom - 12
        xdotool("mousemove", x, y)
        time.sleep(0.2)
        xdotool("click", 1)
        time.sleep(1.0)
        c.expect(not user.menus(), "a left click on the icon opens nothing")
        c.expect(user.open_at(x, y), "a right click on the icon opens the menu")
        c.expect(user.click(0, TOP, TOP_CLOSE), "Close can be clicked in the icon's menu")
        c.expect(clock.wait_for_exit(15), "Close from the icon's menu ends the program")
    finally:
        clock.stop()


def check_menu_dialogs(args, c):
    print("menu: colour and font dialogs")
    clock = Clock(args, profile_bytes())
    try:
        clock.start()
        user = MenuUser(clock)
        for what, path in (("Set Analog Color", ((TOP, TOP_COLOR), (COLOR, 0))),
                           ("Set Digital Color", ((TOP, TOP_COLOR), (COLOR, 1))),
                           ("Font", ((TOP, TOP_DIGITAL), (DIGITAL, DIGITAL_FONT)))):
            c.expect(user.choose(*path), f"{what} can be clicked")
            shown = clock.probe("cancel-dialog", "10")
            c.expect(shown.get("dialog") == "shown",
                     f"{what} opens a dialog: {shown.get('dialog.title')!r}")
            time.sleep(2.0)
        c.expect(clock.prf_bytes() == profile_bytes(), "cancelled dialogs write nothing")
        c.expect(clock.probe("clock").get("clock.visible") == "1", "the clock still runs")
    finally:
        clock.stop()


def check_menu_look(args, c):
    print("menu: smooth edges and opacity")
    clock = Clock(args, profile_bytes())
    try:
        clock.start()
        user = MenuUser(clock)
        # Opacity first: the point the menu is opened at comes from the window region, which
        # a clock with smooth edges no longer has.
        c.expect(user.choose((TOP, TOP_COLOR), (COLOR, COLOR_OPACITY), (OPACITIES, 3)),
                 "Opacity, 50 % can be clicked")
        c.expect(wait_for(lambda: b"\r\nopacity 50\r\n" in clock.prf_bytes()),
                 "and makes the clock half opaque")
        c.expect(user.choose((TOP, TOP_COLOR), (COLOR, COLOR_SMOOTH)),
                 "Smooth Edges can be clicked")
        c.expect(wait_for(lambda: b"\r\nsmooth 1\r\nopacity 50\r\n" in clock.prf_bytes()),
                 "and turns smooth edges on")
    finally:
        clock.stop()


CHECKS = (check_menu_size_and_date, check_menu_skin_and_kill, check_menu_dialogs,
          check_tray_menu, check_menu_look)
