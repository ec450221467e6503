#!/usr/bin/env python3
"""What a running clock costs and how late its seconds are, seen from outside.

tick_watch.py --exe sorvane.exe --probe probe.exe --skins DIR --style Analog --size Small
              [--seconds-shown 1] [--cpu-seconds 300] [--lag-seconds 600]

--cpu-seconds: user + system CPU time of the sorvane.exe process and of the prefix's
  wineserver over that time, and how often the clock's threads went to sleep (voluntary
  context switches, summed over its threads): each sleep ends in a wake-up, and a tick
  sleeps a few times itself while it waits for wineserver's answers.
--lag-seconds: probe.exe reads the clock's region every 5 ms meanwhile; each change is
  placed in the system second it was seen in, its lag is how far into that second. A
  second with no change is skipped, one with two changes shown twice.
Prints key=value lines. Expects DISPLAY and WINEPREFIX (with_own_wine.sh gives both).
"""
import os
import statistics
import subprocess
import tempfile
import time

from e2e_driver import Clock, clock_arguments, profile_bytes

TICKS = os.sysconf("SC_CLK_TCK")


def cpu_ms(pid):
    """utime + stime of a Linux process, all its threads (Wine runs the program as one)."""
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return 1000.0 * (int(fields[11]) + int(fields[12])) / TICKS


def sleeps(pid):
    total = 0
    for tid in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{tid}/status") as f:
                for line in f:
                    if line.startswith("voluntary_ctxt_switches:"):
                        total += int(line.split()[1])
        except FileNotFoundError:
            pass  # a thread that ended meanwhile
    return total


def wineserver_pid():
    """The wineserver of our prefix: it works in a folder named server-DEV-INODE of it."""
    st = os.stat(os.environ["WINEPREFIX"])
    folder = f"/server-{st.st_dev:x}-{st.st_ino:x}"
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/comm") as f:
                if not f.read().startswith("wineserver"):
                    continue
            if os.readlink(f"/proc/{pid}/cwd").endswith(folder):
                return int(pid)
        except OSError:
            pass
    return None


def lag_figures(changes, began, ended):
    """Lags (ms) of the changes seen, and the whole seconds in [began, ended) that showed
    no change or more than one."""
    per_second = {}
    lags = []
    for seen in changes:
        second = int(seen // 1000)
        per_second[second] = per_second.get(second, 0) + 1
        lags.append(seen - second * 1000)
    first, last = int(began // 1000) + 1, int(ended // 1000) - 1
    skipped = [s for s in range(first, last + 1) if per_second.get(s, 0) == 0]
    doubled = [s for s in range(first, last + 1) if per_second.get(s, 0) > 1]
    odd = " ".join(time.strftime("%H:%M:%S", time.localtime(s)) for s in skipped + doubled)
    lags.sort()
    if not lags:
        return {"changes": 0, "skipped": len(skipped), "doubled": len(doubled)}
    return {"changes": len(lags), "lag_median_ms": statistics.median(lags),
            "lag_p95_ms": lags[min(len(lags) - 1, int(0.95 * len(lags)))],
            "lag_max_ms": lags[-1], "skipped": len(skipped), "doubled": len(doubled),
            "odd_seconds": odd or "none", "seconds": last - first + 1}


def watch(clock, seconds):
    """Runs probe.exe watch; returns the figures of lag_figures and the probe's own."""
    with tempfile.NamedTemporaryFile(mode="w+", suffix=".txt") as out:
        began = time.time() * 1000
        subprocess.run(["wine", clock.args.probe, "watch", str(seconds)], stdout=out,
                       stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL,
                       timeout=seconds + 120)
        ended = began + seconds * 1000
        out.seek(0)
        lines = out.read().replace("\r", "").splitlines()
    changes = [float(l.split("=")[1]) for l in lines if l.startswith("change=")]
    facts = dict(l.split("=", 1) for l in lines if "=" in l and not l.startswith("change="))
    # The probe's own span: Wine takes a moment to start it, and the seconds before it looked
    # were not watched.
    began = float(facts.get("watch_began", began))
    ended = float(facts.get("watch_ended", ended))
    figures = lag_figures(changes, began, ended)
    figures["probe_longest_gap_ms"] = facts.get("longest_gap_ms", "?")
    return figures


def main():
    parser = clock_arguments()
    parser.add_argument("--style", default="Analog")
    parser.add_argument("--size", default="Small")
    parser.add_argument("--seconds-shown", type=int, default=1)
    parser.add_argument("--cpu-seconds", type=float, default=0)
    parser.add_argument("--lag-seconds", type=float, default=0)
    args = parser.parse_args()
    clock = Clock(args, profile_bytes(x=40, y=40, size=args.size, style=args.style,
                                      seconds=args.seconds_shown, skin="classic.skn"))
    try:
        clock.start()
        time.sleep(5)  # start-up done
        pid = clock.process.pid  # wine turns into the program's own process
        server = wineserver_pid()
        if args.cpu_seconds > 0:
            clock_cpu, server_cpu, slept = cpu_ms(pid), cpu_ms(server), sleeps(pid)
            began = time.monotonic()
            time.sleep(args.cpu_seconds)
            wall = time.monotonic() - began
            clock_cpu, server_cpu = cpu_ms(pid) - clock_cpu, cpu_ms(server) - server_cpu
            slept = sleeps(pid) - slept
            print(f"wall_s={wall:.0f}")
            print(f"clock_cpu_ms={clock_cpu:.0f}")
            print(f"clock_cpu_percent={100 * clock_cpu / (wall * 1000):.4f}")
            print(f"wineserver_cpu_ms={server_cpu:.0f}")
            print(f"wineserver_cpu_percent={100 * server_cpu / (wall * 1000):.4f}")
            print(f"sleeps_per_minute={slept * 60 / wall:.1f}")
        if args.lag_seconds > 0:
            for key, value in watch(clock, args.lag_seconds).items():
                print(f"{key}={value}")
        with open("/proc/loadavg") as f:
            print(f"loadavg={' '.join(f.read().split()[:3])}")
    finally:
        clock.stop()


if __name__ == "__main__":
    main()
