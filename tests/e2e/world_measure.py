"""What N clocks in one program cost against one, measured from outside on the running
process: its own CPU time in the scheduler's nanoseconds and how often it was scheduled
(/proc/PID/task/*/schedstat, summed over threads), its peak resident memory (VmHWM), and
the time from starting it to every clock shown. Shared by the Windows (under Wine) and the
Linux clock's measurements, which differ only in how they start a clock and see its
windows."""
import os
import statistics
import time

from e2e_driver import profile_lines, profiles_bytes

COUNTS = (1, 2, 5)


def world_profile(count, seconds=1):
    """`count` Small analog clocks with seconds in a row, each in its own zone."""
    zones = [None, "Asia/Kolkata", "America/New_York", "Europe/Berlin", "Asia/Tokyo"]
    return profiles_bytes(*[
        profile_lines(x=10 + 150 * i, y=10, size="Small", seconds=seconds, skin="classic.skn",
                      name=f"Clock {i + 1}", zone=zones[i % len(zones)])
        for i in range(count)])


def schedstat(pid):
    """(CPU nanoseconds, times scheduled) of a process, all its threads."""
    cpu = runs = 0
    for tid in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{tid}/schedstat") as f:
                fields = f.read().split()
            cpu += int(fields[0])
            runs += int(fields[2])
        except (FileNotFoundError, ProcessLookupError):
            pass  # a thread that ended meanwhile
    return cpu, runs


def peak_kb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def load():
    with open("/proc/loadavg") as f:
        return " ".join(f.read().split()[:3])


def measure(start_clock, shown_count, seconds, starts=5, start_floor=None):
    """start_clock(profile bytes) -> a started clock object with .process and .stop();
    shown_count(clock) -> how many of its clock windows show their shape;
    start_floor(n), if given -> a started program with n windows reshaped once a second and
    nothing else (.process, .stop()), run beside the clocks as the system's floor.

    Returns, per count of clocks: start-to-all-shown (median ms of `starts`), and over the
    same `seconds` with every program running side by side: CPU share, schedulings per
    second, peak memory; and the floor's CPU share and schedulings per second."""
    figures = {n: {} for n in COUNTS}
    for n in COUNTS:
        times = []
        for _ in range(starts):
            began = time.monotonic()
            clock = start_clock(world_profile(n))
            try:
                while shown_count(clock) < n and time.monotonic() - began < 30:
                    time.sleep(0.002)
                times.append(1000 * (time.monotonic() - began))
            finally:
                clock.stop()
        figures[n]["start_ms"] = statistics.median(times)
    running = [start_clock(world_profile(n)) for n in COUNTS]
    floors = [start_floor(n) for n in COUNTS] if start_floor else []
    try:
        time.sleep(5)  # past start-up
        before = [schedstat(c.process.pid) for c in running + floors]
        load_before = load()
        began = time.monotonic()
        time.sleep(seconds)
        wall = time.monotonic() - began
        after = [schedstat(c.process.pid) for c in running + floors]
        for i, (n, (cpu0, runs0), (cpu1, runs1)) in enumerate(zip(COUNTS * 2, before, after)):
            prefix = "" if i < len(COUNTS) else "floor_"
            figures[n][prefix + "cpu_percent"] = 100 * (cpu1 - cpu0) / (wall * 1e9)
            figures[n][prefix + "runs_per_second"] = (runs1 - runs0) / wall
        for n, c in zip(COUNTS, running):
            figures[n]["peak_mb"] = peak_kb(c.process.pid) / 1024
        load_after = load()
    finally:
        for c in running + floors:
            c.stop()
    return figures, wall, f"{load_before} → {load_after}"


def report(title, how, figures, wall, loads):
    """The report's section: a row per count of clocks and the goals as ratios."""
    one = figures[1]
    L = [f"## {title}", "", how, "",
         f"Over the same {wall:.0f} s the three programs ran side by side (load {loads}).", "",
         "| Clocks | CPU share | × one clock | Scheduled per s | Start to all shown | Peak memory |",
         "|---:|---:|---:|---:|---:|---:|"]
    for n in COUNTS:
        f = figures[n]
        L.append(f"| {n} | {f['cpu_percent']:.4f} % | {f['cpu_percent'] / one['cpu_percent']:.2f} | "
                 f"{f['runs_per_second']:.1f} | {f['start_ms']:.0f} ms | {f['peak_mb']:.1f} MB |")
    five = figures[5]
    floored = "floor_runs_per_second" in one
    if floored:
        L += ["", "Beside them, the floor: a program with as many windows, each reshaped once a "
              "second and nothing else (`tests/e2e/reshape_peer.cpp`).", "",
              "| Windows | Floor CPU share | Floor scheduled per s |", "|---:|---:|---:|"]
        L += [f"| {n} | {figures[n]['floor_cpu_percent']:.4f} % | "
              f"{figures[n]['floor_runs_per_second']:.1f} |" for n in COUNTS]
    goals = [
        ("N clocks cost at most N times one (CPU, 2 and 5 clocks)",
         f"{figures[2]['cpu_percent'] / one['cpu_percent']:.2f}x, "
         f"{five['cpu_percent'] / one['cpu_percent']:.2f}x",
         all(figures[n]["cpu_percent"] <= n * one["cpu_percent"] for n in (2, 5))),
        ("five clocks wake as often as one (one timer)",
         f"{five['runs_per_second'] / one['runs_per_second']:.2f}x",
         five["runs_per_second"] <= 1.25 * one["runs_per_second"]),
        ("start to all five shown < 2x start to one",
         f"{five['start_ms'] / one['start_ms']:.2f}x", five["start_ms"] < 2 * one["start_ms"]),
        ("peak memory of five < 1.5x one", f"{five['peak_mb'] / one['peak_mb']:.2f}x",
         five["peak_mb"] < 1.5 * one["peak_mb"]),
    ]
    if floored:
        # Where the system wakes a program for every window it reshapes, four more clocks
        # may wake it only as often as four more reshaped windows wake the floor.
        ours = five["runs_per_second"] - one["runs_per_second"]
        floor = five["floor_runs_per_second"] - one["floor_runs_per_second"]
        goals.insert(2, ("four more clocks wake no more than four more reshaped windows "
                         "(the floor)", f"{ours:+.1f} per s against the floor's {floor:+.1f} "
                         f"({ours / floor:.2f}x)", ours <= 1.25 * floor))
    L += ["", "| Goal | Measured | Met |", "|---|---|---|"]
    L += [f"| {goal} | {value} | {'yes' if met else 'no'} |" for goal, value, met in goals]
    return "\n".join(L) + "\n"


def write_section(doc, title, section):
    """Replaces the report's section of this title (or adds it at the end)."""
    text = open(doc).read() if os.path.exists(doc) else "# Performance\n"
    head = f"## {title}"
    start = text.find(head)
    if start < 0:
        text = text.rstrip("\n") + "\n\n" + section
    else:
        end = text.find("\n## ", start + len(head))
        text = text[:start] + section + (text[end + 1:] if end >= 0 else "")
    with open(doc, "w") as f:
        f.write(text.rstrip("\n") + "\n")
