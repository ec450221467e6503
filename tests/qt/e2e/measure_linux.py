#!/usr/bin/python3
"""Resource use of the native clock, measured from outside as for sorvane.exe: the process's
own CPU time over minutes, with and without seconds, with smooth edges, beside the X clocks
Linux users run (xclock -update 1 with seconds, oclock without), all on one display under a
compositing manager (xcompmgr) and counted in the scheduler's nanoseconds (the schedstat of
every thread); the time from starting the program to its first window shape on the X
server; its peak resident memory (VmHWM). Writes the "Linux: the native clock" section of
docs/performance.md.

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
    ("Analog Small, seconds shown, smooth edges",
     profile_bytes(x=10, y=200, size="Small", style="Analog", seconds=1, skin="classic.skn")
     .replace(b"dateformatnumber  1\r\n", b"dateformatnumber  1\r\nsmooth 1\r\n")),
]
SMALL_SECONDS, SMALL_NO_SECONDS, SMOOTH = 0, 1, 4


def peers(idle_timer):
    """The X clocks, each as large as the Small clock, and the idle Qt program, beside our
    clocks on the same display."""
    return [("xclock -update 1 (seconds shown)", ["xclock", "-update", "1", "-geometry",
                                                   "137x137+160+200"]),
            ("oclock (no seconds)", ["oclock", "-geometry", "137x137+310+200"]),
            ("an idle Qt program waking once a second", [idle_timer])]


def load():
    with open("/proc/loadavg") as f:
        return " ".join(f.read().split()[:3])


def cpu_ns(pid):
    """The time every thread of the process has run, in the scheduler's nanoseconds."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                total += int(f.read().split()[0])
        except FileNotFoundError:  # a thread that ended meanwhile
            pass
    return total


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


def ratio(a, b):
    return a / b if b else float("nan")


def run_side_by_side(args, screen, others):
    """Every case and peer ticking on one display for args.seconds: (CPU ns each, wall s,
    peak kB of our clocks, loads, all running, the smooth clock shown unshaped)."""
    clocks = [Clock(args, screen, profile) for _, profile in CASES]
    peers = []
    try:
        for clock in clocks:
            clock.process = clock.launch()
            time.sleep(1.0)
        peers = [subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                 for _, command in others]
        time.sleep(5)  # past start-up
        smooth_window = clocks[SMOOTH].window()
        unshaped = smooth_window is not None and len(screen.shape_rects(smooth_window)) == 1
        pids = [c.process.pid for c in clocks] + [p.pid for p in peers]
        before = [cpu_ns(pid) for pid in pids]
        loads = [load()]
        began = time.monotonic()
        time.sleep(args.seconds)
        wall = time.monotonic() - began
        used = [cpu_ns(pid) - b for pid, b in zip(pids, before)]
        loads.append(load())
        peaks = [status_kb(c.process.pid, "VmHWM") for c in clocks]
        running = all(p.poll() is None for p in [c.process for c in clocks] + peers)
    finally:
        for clock in clocks:
            clock.stop()
        for peer in peers:
            peer.kill()
            peer.wait()
    return used, wall, peaks, loads, running, unshaped


def main():
    parser = argparse.ArgumentParser()
    for name in ("--program", "--skins", "--doc"):
        parser.add_argument(name, required=True)
    parser.add_argument("--idle-timer", required=True)
    parser.add_argument("--seconds", type=float, default=300)
    args = parser.parse_args()
    screen = Screen()
    others = peers(args.idle_timer)

    starts_load = load()
    starts = sorted(first_shape_ms(args, screen) for _ in range(7))
    print(f"start to first shape: {starts} ms (load {starts_load})")

    compositor = subprocess.Popen(["xcompmgr"], stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
    try:
        time.sleep(1)
        used, wall, peaks, loads, running, unshaped = run_side_by_side(args, screen, others)
    finally:
        compositor.terminate()
        compositor.wait()
    names = [what for what, _ in CASES] + [what for what, _ in others]
    shares = [100 * ns / (wall * 1e9) for ns in used]
    for what, ns, share in zip(names, used, shares):
        print(f"{what}: {ns / 1e6:.1f} ms over {wall:.0f} s = {share:.4f} % of a core")
    peer_seconds, peer_minutes, idle = len(CASES), len(CASES) + 1, len(CASES) + 2
    vs_xclock = ratio(used[SMALL_SECONDS], used[peer_seconds])
    vs_oclock = ratio(used[SMALL_NO_SECONDS], used[peer_minutes])
    smooth_vs_region = ratio(used[SMOOTH], used[SMALL_SECONDS])
    idle_vs_xclock = ratio(used[idle], used[peer_seconds])
    print(f"ratios: xclock {vs_xclock:.2f}, oclock {vs_oclock:.2f}, smooth/region "
          f"{smooth_vs_region:.2f}, idle Qt/xclock {idle_vs_xclock:.2f}; smooth clock "
          f"unshaped: {unshaped}")
    worst = max(peaks)
    median_start = statistics.median(starts)
    during = f"{loads[0]} → {loads[1]}"

    L = ["## Linux: the native clock (`sorvane`, Qt 6)", ""]
    L.append(f"Measured by `scripts/perf.sh --linux` on {datetime.date.today()} "
             f"({platform.machine()}, {os.cpu_count()} cores, Qt's X11 platform on Xvfb with "
             "`xcompmgr` compositing), from outside: each process's CPU time as the "
             "scheduler counts it, in nanoseconds (`/proc/PID/task/*/schedstat`, every "
             "thread), its peak resident memory (`VmHWM`), and the time from starting it to "
             "its window's shape on the X server. Our clocks and the X clocks Linux users "
             "run tick side by side on one display over the same minutes, so each ratio is "
             "taken in one run; `/proc/loadavg` (1, 5, 15 minutes) stands beside the "
             "figures. `xclock -update 1` shows seconds as ours does; `oclock` has no "
             "second hand and redraws once a minute.")
    L.append("")
    L.append("| Goal | Measured | Met |")
    L.append("|---|---|---|")
    L.append(f"| Analog Small with seconds at most 0.5x the CPU of `xclock -update 1` | "
             f"{vs_xclock:.2f}x ({shares[SMALL_SECONDS]:.4f} % against "
             f"{shares[peer_seconds]:.4f} %) | {'yes' if vs_xclock <= 0.5 else 'no'} |")
    L.append(f"| smooth edges at most 2x the region path (Analog Small with seconds) | "
             f"{smooth_vs_region:.2f}x ({shares[SMOOTH]:.4f} % against "
             f"{shares[SMALL_SECONDS]:.4f} %; shown unshaped: {'yes' if unshaped else 'no'}) | "
             f"{'yes' if smooth_vs_region <= 2 and unshaped else 'no'} |")
    L.append(f"| start to first shape under 50 ms | median {median_start:.0f} ms of "
             f"{len(starts)} | {'yes' if median_start < 50 else 'no'} |")
    L.append(f"| peak memory under 40 MB resident | {worst / 1024:.1f} MB (largest of our "
             f"clocks below) | {'yes' if worst < 40 * 1024 else 'no'} |")
    L.append("")
    L.append(f"Without seconds, Analog Small against `oclock`: {vs_oclock:.2f}x. The floor "
             f"under any Qt program that ticks: one that wakes once a second and does "
             f"nothing (`bench/qt_idle_timer.cpp`) costs {idle_vs_xclock:.2f}x `xclock -update "
             f"1` in the same run, and the clock with seconds "
             f"{ratio(used[SMALL_SECONDS], used[idle]):.2f}x that idle program. On this "
             "virtual machine a wake-up costs about what `xclock`'s whole tick does. A tick "
             "of ours is one wake-up, its timer: the window's picture is its X background, "
             "so the server fills what the new outline uncovers and no exposure comes back "
             "(before, each tick also woke Qt's X thread and the main thread to answer the "
             "exposure from the backing store). Building the outline and setting the shape "
             "are the small part: a few hundred thousand instructions a tick under "
             "callgrind.")
    L.append("")
    L.append(f"CPU over the same {wall:.0f} s (load {during}; all still running: "
             f"{'yes' if running else 'no'}):")
    L.append("")
    L.append("| Clock | CPU time | Share of one core | Peak resident |")
    L.append("|---|---:|---:|---:|")
    for i, (what, ns, share) in enumerate(zip(names, used, shares)):
        peak = f"{peaks[i] / 1024:.1f} MB" if i < len(peaks) else "–"
        L.append(f"| {what} | {ns / 1e6:.1f} ms | {share:.4f} % | {peak} |")
    L.append("")
    L.append(f"Start to first shape (Analog Small, classic skin), {len(starts)} starts "
             f"(load {starts_load}): median {median_start:.0f} ms, fastest "
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
        text = text[:start] + section.rstrip("\n") + "\n\n" + (text[end + 1:] if end >= 0 else "")
    with open(doc, "w") as f:
        f.write(text.rstrip("\n") + "\n")


if __name__ == "__main__":
    main()
