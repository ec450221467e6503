"""The system's own time zone moves under a running clock in local time: the clock runs in a
mount namespace of its own whose /etc/localtime is a file of the check's, so the machine's
zone is never touched. Needs root (unshare -m)."""
import os
import shutil
import subprocess
import tempfile
import time

from e2e_driver import profile_bytes
from linux_clock import Clock
from x_windows import wait_for

ZONES = "/usr/share/zoneinfo"


class OwnZoneClock(Clock):
    """A clock whose /etc/localtime is `zone_file`."""

    def __init__(self, args, screen, profile, zone_file):
        super().__init__(args, screen, profile)
        self.zone_file = zone_file

    def launch(self):
        return subprocess.Popen(
            ["unshare", "-m", "sh", "-c", 'mount --bind "$0" /etc/localtime && exec "$1"',
             self.zone_file, os.path.join(self.bin, "sorvane")], env=self.env,
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def check_system_zone_change(args, screen, c):
    print("the system's time zone moves under a clock without seconds")
    if subprocess.run(["unshare", "-m", "true"], stderr=subprocess.DEVNULL).returncode != 0:
        print("  skipped: no mount namespace of the clock's own here (it needs root)")
        return
    folder = tempfile.mkdtemp(prefix="sorvane-zone-")
    zone_file = os.path.join(folder, "localtime")
    shutil.copy(os.path.join(ZONES, "UTC"), zone_file)
    # Written long ago, as a system's zone is: the C library reads the file again only when
    # its time of change moves by a whole second.
    os.utime(zone_file, (time.time() - 3600, time.time() - 3600))
    clock = OwnZoneClock(args, screen, profile_bytes(seconds=0), zone_file)
    try:
        c.expect(clock.start() is not None and wait_for(
            lambda: len(screen.shape_rects(clock.window())) > 1, 5),
                 "a clock in local time (UTC) starts and shows its shape")
        time.sleep(0.5)  # settled: only the zone can change the shape from here
        # Well inside a minute, so that only the new zone can move the hands.
        wait_for(lambda: 2 <= time.gmtime().tm_sec <= 45, 60)
        before = screen.shape_rects(clock.window())
        with open(os.path.join(ZONES, "Asia/Kolkata"), "rb") as f:
            data = f.read()
        with open(zone_file, "wb") as f:  # written over, as a copied zone is
            f.write(data)
        moved = wait_for(lambda: screen.shape_rects(clock.window()) != before, 3)
        c.expect(moved,
                 "the hands move to Kolkata's time at once, not at the next minute")
    finally:
        clock.stop()
        shutil.rmtree(folder, ignore_errors=True)
