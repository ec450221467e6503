"""End-to-end checks of the clock's look: smooth edges and opacity from the menu and from
vl.prf, clicks through the clear corners of a smooth clock, and the size on a 144-DPI screen.
"""
import os
import subprocess
import tempfile
import time

from e2e_driver import Clock, drag, numbers, profile_bytes, xdotool
from menu_checks import clear_of_minute_change

WS_EX_LAYERED = 0x80000
SMOOTH_EDGES, OPACITY_70, OPACITY_100, CLOSE = 120, 670, 700, 100
MEDIUM, SMALL = 203, 204  # Size > Medium, Size > Small


def with_look(profile, smooth=False, opacity=100):
    """The profile with the look's lines where the clock writes them."""
    extra = b""
    if smooth:
        extra += b"smooth 1\r\n"
    if opacity != 100:
        extra += f"opacity {opacity}\r\n".encode()
    marker = b"dateformatnumber  1\r\n"
    return profile.replace(marker, marker + extra)


def layered(facts):
    return int(facts.get("clock.exstyle", "0"), 16) & WS_EX_LAYERED != 0


def screen_pixels(rect):
    """{(x, y): "#RRGGBB"} of the screen in `rect`, in screen coordinates."""
    left, top, right, bottom = rect
    with tempfile.TemporaryDirectory() as folder:
        shot = os.path.join(folder, "shot.txt")
        subprocess.run(["import", "-window", "root", "-crop",
                        f"{right - left}x{bottom - top}+{left}+{top}", "+repage", "-depth", "8",
                        "txt:" + shot], check=True)
        with open(shot) as f:
            lines = f.read().splitlines()[1:]
    pixels = {}
    for line in lines:
        where, _, rest = line.partition(":")
        x, y = (int(v) for v in where.split(","))
        pixels[(left + x, top + y)] = rest.split()[1][:7].upper()
    return pixels


def shades(rect):
    """Pixels of the screen in `rect` that are none of the colours a region-cut red clock on
    Xvfb's black and white root shows: black, white and the clock's red."""
    pure = {"#000000", "#FFFFFF", "#FF0000"}
    return sum(1 for colour in screen_pixels(rect).values() if colour not in pure)


def check_look_smooth_edges_and_opacity(args, c):
    clock = Clock(args, profile_bytes(x=40, y=80, size="Small", seconds=0))
    # The first outline and the last are compared: without seconds they must show one minute.
    clear_of_minute_change(40)
    try:
        clock.start()
        time.sleep(2)
        plain = clock.probe("clock")
        rect = numbers(plain["clock.rect"])
        c.expect(not layered(plain) and int(plain["clock.region_rects"]) > 0,
                 "a clock without the look's keys shows its region, not layered")
        c.expect(shades(rect) == 0, "the region path shows no shades at its edges")
        clock.probe("command", str(CLOSE))
        clock.wait_for_exit(10)
        saved = clock.prf_bytes()

        clock.start()
        clock.probe("command", str(SMOOTH_EDGES))
        time.sleep(1.5)
        smooth = clock.probe("clock")
        c.expect(layered(smooth) and smooth["clock.region_kind"] == "0",
                 "Smooth Edges makes the window layered, without a region")
        count = shades(rect)
        c.expect(count > 100, f"smooth edges show shades at the edges ({count} pixels)")
        c.expect(b"dateformatnumber  1\r\nsmooth 1\r\nstyle " in clock.prf_bytes(),
                 "and 'smooth 1' is saved after dateformatnumber")
        clock.probe("command", str(OPACITY_70))
        time.sleep(0.5)
        c.expect(b"smooth 1\r\nopacity 70\r\n" in clock.prf_bytes(), "'opacity 70' is saved")
        clock.probe("terminate")
        clock.wait_for_exit(10)

        clock.start()
        time.sleep(1.5)
        again = clock.probe("clock")
        c.expect(layered(again) and again["clock.region_kind"] == "0",
                 "a restarted clock reads them back")
        clock.probe("command", str(SMOOTH_EDGES))
        time.sleep(0.5)
        half = clock.probe("clock")
        c.expect(layered(half) and int(half["clock.region_rects"]) > 0,
                 "off again at 70 %: the region comes back, layered for the opacity")
        clock.probe("command", str(OPACITY_100))
        time.sleep(0.5)
        back = clock.probe("clock")
        c.expect(not layered(back) and back["clock.region_hash"] == plain["clock.region_hash"],
                 "at 100 % the window is as it was")
        c.expect(clock.prf_bytes() == saved, "and vl.prf is byte for byte what it was")
    finally:
        clock.stop()


def check_look_clicks_through_clear_pixels(args, c):
    left, top = 200, 200
    clock = Clock(args, with_look(profile_bytes(x=left, y=top, size="Small", seconds=0),
                                  smooth=True))
    catcher = None
    try:
        with tempfile.TemporaryFile() as out:
            # The window below comes first: without a window manager the last one shown lies
            # on top.
            catcher = subprocess.Popen(["wine", args.probe, "catch", str(left - 20), str(top - 20),
                                        str(left + 160), str(top + 160), "25"], stdout=out,
                                       stdin=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(3)
            clock.start()
            time.sleep(1.5)
            rect = numbers(clock.probe("clock")["clock.rect"])
            # A point in the middle of the clock's red, away from its soft edge.
            red = {p for p, colour in screen_pixels(rect).items() if colour == "#FF0000"}
            solid = next(((x, y) for (x, y) in sorted(red) if all(
                (x + dx, y + dy) in red for dx in (-2, 0, 2) for dy in (-2, 0, 2))), None)
            c.expect(solid is not None, "the smooth clock shows solid red")

            def clicks_caught(x, y):
                xdotool("mousemove", x, y)
                time.sleep(0.3)
                xdotool("click", 1)
                time.sleep(1)
                out.seek(0)
                return out.read().decode(errors="replace").count("caught=")

            through = clicks_caught(rect[0] + 2, rect[1] + 2)  # the face box's corner: clear
            on_clock = clicks_caught(*solid)
            beside = clicks_caught(rect[0] - 10, rect[1] + 60)  # the catcher itself
        c.expect((through, on_clock, beside) == (1, 1, 2),
                 "a click on a clear pixel reaches the window below, one on the clock does not "
                 f"(clicks caught after each: {through}, {on_clock}, {beside})")
        drag(solid, (40, 30))
        moved = numbers(clock.probe("clock")["clock.rect"])
        c.expect(moved[:2] == [rect[0] + 40, rect[1] + 30],
                 f"a smooth clock is dragged as before ({rect[:2]} to {moved[:2]})")
    finally:
        clock.stop()
        if catcher:
            catcher.wait(timeout=60)  # it closes by itself


def check_look_display_scale(args, c):
    key = r"HKCU\Control Panel\Desktop"
    subprocess.run(["wine", "reg", "add", key, "/v", "LogPixels", "/t", "REG_DWORD", "/d", "144",
                    "/f"], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, check=True)
    clock = Clock(args, profile_bytes(x=40, y=80, size="Small", seconds=0))
    try:
        left, top, right, bottom = numbers(clock.start()["clock.rect"])
        c.expect((right - left, bottom - top) == (206, 206),
                 f"at 144 DPI Small is 206 x 206 ({right - left} x {bottom - top})")
    finally:
        clock.stop()
        subprocess.run(["wine", "reg", "delete", key, "/v", "LogPixels", "/f"],
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)


def check_look_outline_painted_on_new_surfaces(args, c):
    """A tick paints only the pixels the window's surface has never held. A new size is a new
    surface: what the old one held must be painted again as the hands and digits come back."""
    clock = Clock(args, profile_bytes(x=40, y=80, size="Small", style="AnaDigi"))
    try:
        clock.start()
        for size, name, seconds in ((None, "Small", 3), (MEDIUM, "Medium", 3), (SMALL, "Small", 12)):
            if size:
                clock.probe("command", str(size))
            time.sleep(seconds)  # 12: the last digit comes back to pixels it held before
            seen = clock.probe("outline-repaint")
            c.expect(int(seen.get("outline.area", "0")) > 0 and seen.get("outline.changed") == "0",
                     f"{name}: the outline shows what a repaint of all of it shows"
                     f" ({seen.get('outline.changed')} of {seen.get('outline.area')} pixels differ)")
    finally:
        clock.stop()


CHECKS = (check_look_smooth_edges_and_opacity, check_look_clicks_through_clear_pixels,
          check_look_display_scale, check_look_outline_painted_on_new_surfaces)
