"""The native clock under test, as the end-to-end checks drive it: a clock in a fresh folder
of its own (config, data with the test skins, runtime folder for the lock), run alone without
the shipped skins, and its popup menu walked by keys."""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "e2e"))
from e2e_driver import ClockFolder, xdotool  # noqa: E402
from x_windows import Screen, wait_for  # noqa: E402

# Keys that walk the popup menu: Down from nothing selects the first enabled item (the
# title is disabled), Right opens a submenu at its first item.
TOP_ORDER = ["Analog Clock", "Digital Clock", "Color", "Size", "Time Zone...", "Label...",
             "New Clock", "Remove Clock", "Start at Login", "Help", "More", "Close"]
SIZES = ["FullScreen", "Huge", "Large", "Medium", "Small", "Tiny", "SuperTiny"]
ANALOG = ["Enable Analog Clock", "Show Seconds", "Test Ring", "Test Square"]
LINKS = ["Skin Gallery", "Read Me", "Changes"]


def keys_to(top, sub_items=None, sub=None, disabled=("Remove Clock",)):
    """The keys that walk to an item; the keyboard skips disabled items (Remove Clock on the
    only clock)."""
    order = [item for item in TOP_ORDER if item not in disabled]
    keys = ["Down"] * (order.index(top) + 1)
    if sub is not None:
        keys += ["Right"] + ["Down"] * sub_items.index(sub)
    return keys + ["Return"]


class Clock(ClockFolder):
    def __init__(self, args, screen, profile=None):
        self.args, self.screen = args, screen
        self.folder = tempfile.mkdtemp(prefix="sorvane-linux-e2e-")
        self.bin = os.path.join(self.folder, "bin")
        os.makedirs(self.bin)
        shutil.copy(args.program, self.bin)
        skins = os.path.join(self.folder, "data", "sorvane", "skins")
        os.makedirs(skins)
        self.copy_skins(args.skins, skins)
        self.config = os.path.join(self.folder, "config", "sorvane")
        os.makedirs(self.config)
        runtime = os.path.join(self.folder, "runtime")
        os.makedirs(runtime, mode=0o700)
        self.write_profile(profile)
        self.env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(self.folder, "config"),
                        XDG_DATA_HOME=os.path.join(self.folder, "data"),
                        XDG_RUNTIME_DIR=runtime)
        # The program asks for X11 itself when no platform is named.
        self.env.pop("QT_QPA_PLATFORM", None)
        # The browser is an xdg-open of our own that notes what it was asked to open.
        self.opened = os.path.join(self.folder, "opened.txt")
        fake = os.path.join(self.folder, "fakebin")
        os.makedirs(fake)
        with open(os.path.join(fake, "xdg-open"), "w") as f:
            f.write(f'#!/bin/sh\necho "$1" >> "{self.opened}"\n')
        os.chmod(os.path.join(fake, "xdg-open"), 0o755)
        self.env["PATH"] = fake + os.pathsep + self.env.get("PATH", "")

    @property
    def prf(self):
        return os.path.join(self.config, "vl.prf")

    def launch(self):
        return subprocess.Popen([os.path.join(self.bin, "sorvane")], env=self.env,
                                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)

    def start(self):
        self.process = self.launch()
        return wait_for(self.window, 20)

    def window(self):
        windows = self.screen.clock(self.process.pid)
        return windows[0] if len(windows) == 1 else None

    def rect(self):
        w = self.window()
        return self.screen.rect(w) if w else None

    def visible_point(self):
        w = self.window()
        left, top, _, _ = self.screen.rect(w)
        x, y, width, height = self.screen.shape_rects(w)[0]
        return left + x + width // 2, top + y + height // 2

    def kill(self):
        self.process.send_signal(signal.SIGKILL)
        self.process.wait()

    def stop(self):
        if self.process and self.process.poll() is None:
            self.kill()
        shutil.rmtree(self.folder, ignore_errors=True)


def choose(clock, keys, at=None):
    """Right-clicks the clock (or the point `at`), waits for its menu and walks it by keys."""
    x, y = at or clock.visible_point()
    xdotool("mousemove", x, y)
    time.sleep(0.2)
    xdotool("click", 3)
    if not wait_for(clock.screen.menus, 5):
        return False
    for key in keys:
        time.sleep(0.15)
        xdotool("key", key)
    return wait_for(lambda: not clock.screen.menus(), 5)
