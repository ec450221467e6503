#!/usr/bin/python3
"""Resource use of the native clock, measured from outside as for sorvane.exe: the process's
own CPU time (user + system, /proc/PID/stat) over minutes, with and without seconds; the time
from starting the program to its first window shape on the X server; its peak resident
memory (VmHWM). Writes the "Linux: the native clock" section of docs/performance.md.

measure_linux.py --program sorvane --skins DIR --doc docs/performance.md [--seconds 300]
Expects DISPLAY (tests/qt/with_xvfb.sh gives one). The clocks of the CPU run tick side by
side, each in folders of its own, so their shares are taken over the same minutes.
"""
import argparse
import datetime
import os
import platform
import statistics
import subprocess
import time

from Xlib.ext import shape

from e2e_driver import profile_bytes
from linux_clock import Clock
from x_windows import Screen

CASES = [  # (what, profile)
    ("Analog Small, seconds shown", profile_bytes(x=10, y=10, size="Small", style="Analog",
                                                  seconds=1, skin="classic.skn")),
    ("Analog Small, no seconds", profile_bytes(x=160, y=10, size="Small", style="Analog",
                                               seconds=0, skin="classic.skn")),
    ("AnaDigi Huge with the date, seconds shown",
     profile_bytes(x=310, y=10, size="Huge", style="AnaDigi", datashow=1, seconds=1,
                   skin="classic.skn")),
    ("AnaDigi Huge with the date, no seconds",
     profile_bytes(x=580, y=10, size="Huge", style="AnaDigi", datashow=1, seconds=0,
                   skin="classic.skn")),
]


def load():
    with open("/proc/loadavg") as f:
        return " ".join(f.read().split()[:3])


def cpu_ms(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return 1000.0 * (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def status_kb(pid, key):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith(key + ":"):
                return int(line.split()[1])
    return 0


def first_shape_ms(args, screen):
    """Milliseconds from starting the program to its window, shaped, on the X server."""
    clock = Clock(args, screen, CASES[0][1])
    try:
        began = time.monotonic()
        clock.process = clock.launch()
        while time.monotonic() - began < 30:
            w = clock.window()
            if w is not None and len(w.shape_get_rectangles(shape.SK.Bounding).rectangles) > 1:
                return 1000 * (time.monotonic() - began)
            time.sleep(0.002)
        return float("nan")
    finally:
        clock.stop()


def main():
    parser = argparse.ArgumentParser()
    for name in ("--program", "--skins", "--doc"):
        parser.add_argument(name, required=True)
    parser.add_argument("--seconds", type=float, default=300)
    args = parser.parse_args()
    screen = Screen()

    starts_load = load()
    starts = sorted(first_shape_ms(args, screen) for _ in range(7))
    print(f"start to first shape: {starts} ms (load {starts_load})")

    clocks = [Clock(args, screen, profile) for _, profile in CASES]
    try:
        for clock in clocks:
            clock.process = clock.launch()
            time.sleep(1.0)
        time.sleep(5)  # past start-up
        before = [cpu_ms(c.process.pid) for c in clocks]
        load_before = load()
        began = time.monotonic()
        time.sleep(args.seconds)
        wall = time.monotonic() - began
        used = [cpu_ms(c.process.pid) - b for c, b in zip(clocks, before)]
        load_after = load()
        peaks = [status_kb(c.process.pid, "VmHWM") for c in clocks]
        running = all(c.process.poll() is None for c in clocks)
    finally:
        for clock in clocks:
            clock.stop()
    rows = []
    for (what, _), ms, peak in zip(CASES, used, peaks):
        share = 100 * ms / (wall * 1000)
        rows.append((what, ms, share, peak))
        print(f"{what}: {ms:.0f} ms over {wall:.0f} s = {share:.4f} % of a core, peak {peak} kB")

    small = rows[0]
    L = ["## Linux: the native clock (`sorvane`, Qt 6)", ""]
    L.append(f"Measured by `scripts/perf.sh --linux` on {datetime.date.today()} "
             f"({platform.machine()}, Qt's X11 platform on Xvfb), from outside as for "
             "`sorvane.exe`: the process's own user + system time from `/proc/PID/stat`, its "
             "peak resident memory (`VmHWM`), and the time from starting it to its window's "
             "shape on the X server. The machine is shared: `/proc/loadavg` (1, 5, 15 "
             "minutes) stands beside each figure. The kernel counts CPU time in ticks of "
             f"{1000 // os.sysconf('SC_CLK_TCK')} ms, sampled, so a figure of tens of ms "
             "is good to a tick or two. Until the tick is armed for the next change "
             "of the shown time, it fires every second as on Windows; without seconds it "
             "rebuilds the outline once a minute.")
    L.append("")
    L.append("| Goal | Measured | Load | Met |")
    L.append("|---|---|---|---|")
    L.append(f"| with seconds at most 0.05 % of a core (Analog Small) | {small[2]:.4f} % "
             f"({small[1]:.0f} ms in {wall:.0f} s) | {load_before} → {load_after} | "
             f"{'yes' if small[2] <= 0.05 else 'no'} |")
    worst = max(r[3] for r in rows)
    L.append(f"| peak memory under 40 MB resident | {worst / 1024:.1f} MB (largest of the four "
             f"clocks below) | {load_before} → {load_after} | {'yes' if worst < 40 * 1024 else 'no'} |")
    L.append("")
    L.append(f"CPU over the same {wall:.0f} s, the four clocks ticking side by side "
             f"(load {load_before} before, {load_after} after; all still running: "
             f"{'yes' if running else 'no'}):")
    L.append("")
    L.append("| Clock | CPU time | Share of one core | Peak resident |")
    L.append("|---|---:|---:|---:|")
    for what, ms, share, peak in rows:
        L.append(f"| {what} | {ms:.0f} ms | {share:.4f} % | {peak / 1024:.1f} MB |")
    L.append("")
    L.append(f"Start to first shape (Analog Small, classic skin), {len(starts)} starts "
             f"(load {starts_load}): median {statistics.median(starts):.0f} ms, fastest "
             f"{starts[0]:.0f} ms, slowest {starts[-1]:.0f} ms.")
    L.append("")
    write_section(args.doc, "\n".join(L))


def write_section(doc, section):
    """Replaces the Linux section of the report (or adds it at the end)."""
    text = open(doc).read() if os.path.exists(doc) else "# Performance\n"
    head = "## Linux: the native clock"
    start = text.find(head)
    if start < 0:
        text = text.rstrip("\n") + "\n\n" + section
    else:
        end = text.find("\n## ", start + len(head))
        text = text[:start] + section + (text[end + 1:] if end >= 0 else "")
    with open(doc, "w") as f:
        f.write(text.rstrip("\n") + "\n")


if __name__ == "__main__":
    main()
