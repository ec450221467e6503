"""Smooth edges on the native clock: offered while a compositing manager (xcompmgr) runs,
shown as shades at the clock's edges over a grey desktop, clicks on its clear pixels reaching
the window below; the X shape again when the compositor stops, smooth again when it comes
back, and "smooth 1" saved."""
import subprocess
import time

from Xlib import X

from e2e_driver import profile_bytes, xdotool
from look_checks import screen_pixels
from linux_clock import Clock, choose, keys_to
from x_windows import wait_for

COLOR = ["Set Analog Color", "Set Digital Color", "Smooth Edges", "Opacity"]
GREY = "#808080"
# What a shape-cut red clock with white text shows over the grey desktop, or over the black
# root Xvfb shows once the compositor has gone.
PURE = {"#000000", "#FFFFFF", "#FF0000", GREY}


def shades(rect):
    return sum(1 for colour in screen_pixels(rect).values() if colour not in PURE)


def solid_red(rect):
    """A point of the clock's red away from its soft edge."""
    red = {p for p, colour in screen_pixels(rect).items() if colour == "#FF0000"}
    return next(((x, y) for (x, y) in sorted(red)
                 if all((x + dx, y + dy) in red for dx in (-2, 0, 2) for dy in (-2, 0, 2))), None)


class Catcher:
    """A plain window under the clock that counts the clicks it is given."""

    def __init__(self, screen, rect):
        left, top, right, bottom = rect
        self.d = screen.d
        self.window = screen.root.create_window(left, top, right - left, bottom - top, 0,
                                                X.CopyFromParent, event_mask=X.ButtonPressMask,
                                                background_pixel=0x808080)
        self.window.map()
        self.d.sync()

    def clicks_at(self, x, y):
        xdotool("mousemove", x, y)
        time.sleep(0.3)
        xdotool("click", 1)
        time.sleep(0.5)
        caught = 0
        while self.d.pending_events():
            caught += self.d.next_event().type == X.ButtonPress
        return caught

    def close(self):
        self.window.destroy()
        self.d.sync()


def start_compositor():
    process = subprocess.Popen(["xcompmgr"], stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    time.sleep(1)
    return process


def check_smooth_edges(args, screen, c):
    print("smooth edges under a compositing manager")
    subprocess.run(["xsetroot", "-solid", GREY], check=True)
    compositor = start_compositor()
    catcher = Catcher(screen, (180, 180, 380, 380))
    clock = Clock(args, screen, profile_bytes(x=200, y=200))
    try:
        clock.start()
        time.sleep(1)
        rect = clock.rect()
        c.expect(shades(rect) == 0, "without smooth edges the shape shows no shades")
        c.expect(choose(clock, keys_to("Color", COLOR, "Smooth Edges")),
                 "Color > Smooth Edges is offered and chosen")
        c.expect(wait_for(lambda: shades(rect) > 100, 5),
                 f"the edges show shades of red on grey ({shades(rect)} pixels)")
        before = screen_pixels(rect)
        c.expect(wait_for(lambda: screen_pixels(rect) != before, 3),
                 "the image follows the second hand")
        c.expect(screen.shape_rects(clock.window()) == [(0, 0, rect[2] - rect[0],
                                                         rect[3] - rect[1])],
                 "the window is no longer cut to the outline")
        c.expect(catcher.clicks_at(rect[0] + 2, rect[1] + 2) == 1,
                 "a click on the clock's clear corner reaches the window below")
        red = solid_red(rect)
        c.expect(red is not None and catcher.clicks_at(*red) == 0,
                 "a click on the clock's red stays with it")

        compositor.terminate()
        compositor.wait()
        c.expect(wait_for(lambda: len(screen.shape_rects(clock.window())) > 1, 5),
                 "the compositor gone, the window is cut to its outline again")
        c.expect(wait_for(lambda: shades(rect) == 0, 5), "with no shades")
        compositor = start_compositor()
        c.expect(wait_for(lambda: shades(rect) > 100, 5), "the compositor back, smooth again")

        c.expect(choose(clock, keys_to("Close")), "Close is chosen")
        c.expect(clock.wait_for_exit(15), "the program ends")
        c.expect(b"dateformatnumber  1\r\nsmooth 1\r\nstyle " in (clock.prf_bytes() or b""),
                 "'smooth 1' is saved where the Windows clock writes it")
    finally:
        clock.stop()
        catcher.close()
        compositor.terminate()
        compositor.wait()
        subprocess.run(["xsetroot", "-def"])
