#!/usr/bin/env python3
"""Writes the "Under Wine: the running clock" section of docs/performance.md from the
key=value files tick_watch.py printed, one per case.

tick_report.py --doc docs/performance.md CASE=FILE ...
"""
import argparse
import os

# (case, what it is, CPU goal in % of a core for sorvane.exe alone)
CASES = [("no_seconds", "Analog Small, no seconds", 0.01),
         ("analog_seconds", "Analog Small, seconds", 0.08),
         ("anadigi_seconds", "AnaDigi Small, seconds", 0.15)]
HEAD = "## Under Wine: the running clock"


def read(path):
    with open(path) as f:
        return dict(line.strip().split("=", 1) for line in f if "=" in line)


def section(runs):
    L = [HEAD, "", "`sorvane.exe` running under Wine on its own virtual display and Wine prefix,",
         "measured from outside (`tests/e2e/tick_watch.py`). CPU is user + system time of the",
         "process from /proc over the whole run, as a task manager shows it; `wineserver` is",
         "that prefix's server, beside it. Sleeps are the voluntary context switches of all the",
         "process's threads: each ends in a wake-up, and one tick sleeps several times itself",
         "(it waits for wineserver's and the X server's answers), so they are an upper bound on",
         "wake-ups. The machine is shared with other builds: the load averages are",
         "`/proc/loadavg` at the end of each run.", "",
         "| Case | Run | sorvane.exe CPU | Goal | wineserver CPU | Sleeps / min | Load |",
         "|---|---:|---:|---:|---:|---:|---|"]
    for key, title, goal in CASES:
        r = runs.get(key)
        if not r:
            continue
        cpu = float(r["clock_cpu_percent"])
        L.append("| %s | %s s | %.4f %% (%s ms) | ≤ %s %% %s | %.4f %% (%s ms) | %s | %s |" % (
            title, r["wall_s"], cpu, r["clock_cpu_ms"], goal, "met" if cpu <= goal else "not met",
            float(r["wineserver_cpu_percent"]), r["wineserver_cpu_ms"], r["sleeps_per_minute"],
            r["loadavg"]))
    lag = runs.get("lag")
    if lag:
        p95 = float(lag["lag_p95_ms"])
        ok = p95 <= 30 and lag["skipped"] == "0" and lag["doubled"] == "0"
        L += ["", "Seconds' lag, Analog Small with seconds: `probe.exe watch` reads the clock's",
              "region every 5 ms for %s s and notes the system time of each change; its lag is"
              % lag["seconds"],
              "how far into the system second it was seen (so up to one look, 5 ms and the probe's",
              "own delay, late; the probe's longest gap between two looks was %s ms)."
              % lag["probe_longest_gap_ms"], "",
              "| Changes | Median | p95 | Max | Seconds skipped | Shown twice | Goal | Load |",
              "|---:|---:|---:|---:|---:|---:|---|---|",
              "| %s | %.1f ms | %.1f ms | %.1f ms | %s | %s | p95 ≤ 30 ms, none skipped or twice: %s | %s |"
              % (lag["changes"], float(lag["lag_median_ms"]), p95, float(lag["lag_max_ms"]),
                 lag["skipped"], lag["doubled"], "met" if ok else "not met", lag["loadavg"])]
    return "\n".join(L) + "\n"


def write_section(doc, text, head=HEAD):
    """Replaces the section headed `head` (or adds it at the end)."""
    whole = open(doc).read() if os.path.exists(doc) else "# Performance\n"
    start = whole.find(head)
    if start < 0:
        whole = whole.rstrip("\n") + "\n\n" + text
    else:
        end = whole.find("\n## ", start + len(head))
        whole = whole[:start] + text + ("\n" + whole[end + 1:] if end >= 0 else "")
    with open(doc, "w") as f:
        f.write(whole)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--doc", required=True)
    parser.add_argument("runs", nargs="+")
    args = parser.parse_args()
    runs = {}
    for item in args.runs:
        key, _, path = item.partition("=")
        if os.path.exists(path) and os.path.getsize(path) > 0:
            runs[key] = read(path)
    write_section(args.doc, section(runs))


if __name__ == "__main__":
    main()
