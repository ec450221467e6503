#!/usr/bin/env python3
"""A screenshot of the running clock wearing each shipped skin, for docs/screenshots/.

skin_screenshots.py --exe sorvane.exe --probe probe.exe --skins DIR --out DIR
Expects DISPLAY and WINEPREFIX (scripts/pictures.sh sets both). Each skin gets its own
program folder whose vl.prf names that skin file; the picture is cropped to the window.
"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from e2e_driver import Clock, numbers, picture_arguments, profile_bytes  # noqa: E402

MARGIN = 12
# Clear of the top-left corner, where Wine shows its stand-in for the notification area.
CLOCK_X, CLOCK_Y = 300, 200


def main():
    args = picture_arguments()
    skins = sorted(name for name in os.listdir(args.skins) if name.endswith(".skn"))
    if not skins:
        sys.exit(f"no *.skn files in {args.skins}")
    for skin in skins:
        clock = Clock(args, profile_bytes(x=CLOCK_X, y=CLOCK_Y, size="Huge", style="Analog",
                                          datashow=0, skin=skin))
        try:
            facts = clock.start()
            if "clock.rect" not in facts:
                sys.exit(f"{skin}: the clock window did not appear")
            time.sleep(2.5)  # a tick or two, and the paint after the region
            left, top, right, bottom = numbers(clock.probe("clock")["clock.rect"])
            path = os.path.join(args.out, "skin-" + skin[:-len(".skn")] + ".png")
            crop = f"{right - left + 2 * MARGIN}x{bottom - top + 2 * MARGIN}" \
                   f"+{left - MARGIN}+{top - MARGIN}"
            subprocess.run(["import", "-window", "root", "-crop", crop, "+repage", path],
                           check=True)
            print(f"{path}: window {left},{top},{right},{bottom}")
        finally:
            clock.stop()


if __name__ == "__main__":
    main()
