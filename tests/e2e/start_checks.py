"""End-to-end checks that nothing stops the clock from starting: skins with numbers at the
edge of what a skin may hold, and copies of the program started at the same moment.
"""
import math
import os
import subprocess
import time

from e2e_driver import Clock, numbers, profile_bytes

# Rectangles one X SHAPE request can carry (src/region/window_fit.h).
MOST_RECTS = 32765
MIN, MAX = -2147483648, 2147483647


def skin(name, *sections):
    """A skin file: each section a keyword line followed by its shapes' lines."""
    lines = ["Vitrelle skin file.", f"\\names {name}"]
    for section in sections:
        lines += section
    return ("\r\n".join(lines) + "\r\n").encode()


def polygon(op, *corners):
    return [f"polygon {op}"] + [f"{x} {y}" for x, y in corners]


def circle(op, x, y, radius):
    return [f"circle {op}", f"{x} {y} {radius}"]


def static_skin(name, shapes):
    return skin(name, ["\\staticanalog"] + shapes)


FAR_POLYGON = [(-1499591369, 648258640), (154112043, 31936245), (-1986441000, -284989606),
               (-1847456881, -324187610), (1922895273, -443753964), (2045500108, 1539610315),
               (-903621226, -1371269749), (596628807, -548048381), (-1262897697, -798231825),
               (-201071568, -859994195)]
# A huge circle exclusive-or a polygon whose corners lie some 10^9 pixels away: once made
# sorvane.exe die at start-up of an X protocol error.
FAR_XOR = static_skin("Far", circle("+", 0, 0, MAX) + polygon("%", *FAR_POLYGON))
# 150 thin slanted bars: every row of the face differs from the next and crosses up to 150 of
# them, more rectangles than one X request can carry on a full-screen clock.
STRIPES = static_skin("Stripes", [line for x in range(-600, 600, 8) for line in polygon(
    "+", (x, -300), (x + 2, -300), (x + 602, 300), (x + 600, 300))])
# The hardening tests' big skins: a polygon of 100,000 corners round a circle, and 100 x 100
# small circles standing apart.
ROUND = static_skin("Round", polygon("+", *[(round(290 * math.cos(2 * math.pi * i / 100000)),
                                             round(290 * math.sin(2 * math.pi * i / 100000)))
                                            for i in range(100000)]))
GRID = static_skin("Grid", [line for row in range(100) for col in range(100)
                            for line in circle("+", -295 + col * 5, -295 + row * 5, 1)])


# The skins that the fuzz seeds with the largest numbers make in their fuzz targets:
# fuzz/corpus/analog_region_fuzzer/slow_five_marks_slots_huge_circles (circles at the int32
# limits in every mark and hand, marks drawn five times over) and
# fuzz/corpus/shape_region_fuzzer/seed0 (a circle, a polygon, then a polygon of corners at
# the limits exclusive-or the rest).
FUZZ_HUGE_CIRCLES = skin(
    "Seed", ["\\analogorder"] + ["marks"] * 5,
    ["\\staticanalog"] + polygon("-", (-600, -600), (600, -624324473), (-600, 600),
                                 (2147483646, -1073741824), (-1073741824, 2147483646),
                                 (1509949439, -1)),
    ["\\marrow"] + circle("-", -1301256226, -617423121, 600) + circle("", MAX, MAX, MAX),
    ["\\sarrow"] + circle("", MAX, MAX, MAX),
    *[[f"\\mark {m}"] + circle("", MAX, MAX, MAX) for m in (0, 1, 12)],
    ["\\mark 13 u"] + circle("", MIN, MIN, MAX),
    ["\\mark 14"] + circle("", 300, MAX, MAX))
FUZZ_FAR_XOR = skin(
    "Seed", ["\\staticanalog"] + circle("+", -180, -638, 615)
    + polygon("", (606, -225), (207, -662), (143, 347))
    + polygon("%", (745119074, MIN), (2147483646, -600), (600, -2147483647),
              (MAX, 1215684296), (MIN, -1073741824), (-300, 0), (-1073741824, -600),
              (2147483646, 1073741824)))

# (what, size, skin bytes). Sizes: Huge is 250 x 250; FullScreen the screen's height.
EXTREME_SKINS = [
    ("the huge circle exclusive-or a far polygon", "Huge", FAR_XOR),
    ("a huge circle less a small polygon, a second hand at the int32 corners", "Huge", skin(
        "Cut", ["\\staticanalog"] + circle("+", 0, 0, MAX) + polygon("-", (-90, -90), (90, -90),
                                                                      (0, 150)),
        ["\\sarrow"] + polygon("+", (MIN, MIN), (MAX, MIN), (0, 40)))),
    ("a polygon at the int32 corners, and an off-centre huge circle, or a small circle",
     "FullScreen", skin(
         "Corners", ["\\staticanalog"] + polygon("+", (MIN, MIN), (MAX, MIN), (MAX, MAX),
                                                 (MIN, MAX))
         + circle("&", MAX, 0, 2147483000) + circle("%", 0, 0, 100),
         ["\\marrow"] + circle("+", MIN, MAX, MAX) + polygon("-", *FAR_POLYGON))),
    ("150 slanted bars, too fine for one X request", "FullScreen", STRIPES),
    ("fuzz seed: huge circles in every mark and hand", "FullScreen", FUZZ_HUGE_CIRCLES),
    ("fuzz seed: a polygon at the int32 limits exclusive-or the rest", "Huge", FUZZ_FAR_XOR),
    ("a polygon of 100,000 corners", "FullScreen", ROUND),
    ("10,000 circles", "FullScreen", GRID),
]


def shows_and_runs(c, clock, what):
    """Starts the clock, lets it tick, and checks its window and region from outside."""
    f = clock.start()
    c.expect(f.get("clock") != "none", f"{what}: the clock window shows")
    if f.get("clock") == "none":
        return False
    time.sleep(2)  # two ticks, each a new outline when the skin has hands
    f = clock.probe("clock")
    running = clock.process.poll() is None and f.get("clock.count") == "1"
    left, top, right, bottom = numbers(f.get("clock.rect", "0,0,0,0"))
    box = numbers(f.get("clock.region_box", "0,0,0,0"))
    rects = int(f.get("clock.region_rects", "0"))
    inside = box[0] >= 0 and box[1] >= 0 and box[2] <= right - left and box[3] <= bottom - top
    c.expect(running and 0 < rects <= MOST_RECTS and inside,
             f"{what}: still runs after 2 s, {rects} rectangles from {box} within the window "
             f"{right - left} x {bottom - top}")
    return running


def close(clock, by_right_click):
    """Close from the right-click menu, or its command as the menu sends it; False when the
    menu could not be clicked."""
    if by_right_click:
        import menu_checks
        return menu_checks.MenuUser(clock).choose((menu_checks.TOP, menu_checks.TOP_CLOSE))
    clock.probe("command", "100")
    return True


def check_extreme_skins(args, c):
    print("extreme skins, each started, run and closed")
    for what, size, data in EXTREME_SKINS:
        place = 0 if size == "FullScreen" else 100
        clock = Clock(args, profile_bytes(x=place, y=place, size=size, skin="extreme.skn"))
        with open(os.path.join(clock.folder, "extreme.skn"), "wb") as f:
            f.write(data)
        try:
            began = time.monotonic()
            if shows_and_runs(c, clock, what):
                by_right_click = data is FAR_XOR
                how = "from the right-click menu" if by_right_click else "by its command"
                c.expect(close(clock, by_right_click) and clock.wait_for_exit(15)
                         and clock.prf_bytes() is not None,
                         f"{what}: Close {how} saves and ends it "
                         f"({time.monotonic() - began:.1f} s in all)")
        finally:
            clock.stop()


def check_simultaneous_starts(args, c, rounds=5, copies=4):
    print(f"{copies} copies started at the same moment, {rounds} times")
    clock = Clock(args, profile_bytes())
    try:
        for round_number in range(1, rounds + 1):
            started = [subprocess.Popen(["wine", "sorvane.exe"], cwd=clock.folder,
                                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL) for _ in range(copies)]
            end = time.monotonic() + 30
            while sum(p.poll() is None for p in started) > 1 and time.monotonic() < end:
                time.sleep(0.2)
            clock.probe("wait", "20")
            time.sleep(1)  # a late second window would show by now
            f = clock.probe("clock")
            running = [p for p in started if p.poll() is None]
            ended_quietly = all(p.returncode == 0 for p in started if p not in running)
            c.expect(len(running) == 1 and f.get("clock.count") == "1" and ended_quietly,
                     f"round {round_number}: one clock runs ({f.get('clock.count', '0')} "
                     f"windows, {len(running)} copies left, the others ended with code 0: "
                     f"{ended_quietly})")
            # Killed, it leaves its lock abandoned: the next round must start all the same.
            clock.probe("terminate")
            for p in started:
                try:
                    p.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    p.kill()
                    p.wait()
        c.expect(clock.prf_bytes() == profile_bytes(), "no copy wrote the profiles file")
    finally:
        clock.stop()


CHECKS = (check_extreme_skins, check_simultaneous_starts)
