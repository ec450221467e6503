#!/usr/bin/env bash
# Regenerates docs/performance.md: the outline rebuild for every style and clock size with
# the heaviest shipped skin, natively and under Wine; our engine against GDI regions under
# Wine; the region engine's CPU share of a day of rebuilds; start-up to the first region; peak memory; the
# size and imports of sorvane.exe.
#
# Then the running clock under Wine, measured from outside: sorvane.exe's and wineserver's
# CPU over 5 minutes per case, its sleeps, and the seconds' lag over 10 minutes.
# Then smooth edges against the region path under Wine: process CPU, 4 turns of 2 minutes.
#
# Then the section on the native Linux clock: its process CPU over 5 minutes with and without
# seconds and with smooth edges, beside xclock, oclock and an idle Qt program on the same
# display under xcompmgr; start to first shape, peak memory.
#
#   scripts/perf.sh            (build folders build-perf and build-perf-win)
#   scripts/perf.sh --linux    only the native Linux clock's section (about 6 minutes)
#   scripts/perf.sh --ticks    only the running clock under Wine (about 11 minutes; the cases
#                              run side by side, each on its own display and Wine prefix)
#   scripts/perf.sh --world    only world clocks: 1, 2 and 5 clocks in one program, natively
#                              and under Wine (about 6 minutes)
#   PERF_NATIVE_DIR=... PERF_WIN_DIR=... scripts/perf.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

linux_section() {
  echo "== the native Linux clock: CPU over ${PERF_LINUX_SECONDS:-300} s, start-up, memory"
  cmake --preset linux >/dev/null
  cmake --build --preset linux --target sorvane qt_idle_timer
  PYTHONPATH="$root/tests/e2e:$root/tests/qt/e2e" bash tests/qt/with_xvfb.sh /usr/bin/python3 \
    tests/qt/e2e/measure_linux.py --program "$root/build/linux/bin/sorvane" \
    --idle-timer "$root/build/linux/tests/qt/qt_idle_timer" \
    --skins "$root/skins" --doc "$root/docs/performance.md" --seconds "${PERF_LINUX_SECONDS:-300}"
}
ticks_section() {
  local win_dir=$1 cpu=${PERF_TICK_CPU_SECONDS:-300} lag=${PERF_TICK_LAG_SECONDS:-600}
  local out_dir pids=()
  echo "== the running clock under Wine: CPU over $cpu s per case, lag over $lag s"
  cmake --build "$win_dir" -j2 --target sorvane probe
  out_dir=$(mktemp -d)
  tick_case() {  # NAME, then tick_watch.py's arguments
    local name=$1
    shift
    # A subshell: each case its own display, prefix and wineserver, whose CPU is its own.
    (
      unset DISPLAY
      export WINEPREFIX="$win_dir/wineprefix-tick-$name"
      source scripts/wine-env.sh
      wine_env_start
      trap wine_env_stop EXIT
      python3 tests/e2e/tick_watch.py --exe "$win_dir/bin/sorvane.exe" \
        --probe "$win_dir/tests/win32/e2e/probe.exe" --skins "$root/skins" "$@" \
        >"$out_dir/$name.txt"
    ) &
    pids+=($!)
  }
  tick_case no_seconds --style Analog --size Small --seconds-shown 0 --cpu-seconds "$cpu"
  tick_case analog_seconds --style Analog --size Small --cpu-seconds "$cpu"
  tick_case anadigi_seconds --style AnaDigi --size Small --cpu-seconds "$cpu"
  tick_case lag --style Analog --size Small --lag-seconds "$lag"
  for pid in "${pids[@]}"; do wait "$pid" || true; done
  for f in "$out_dir"/*.txt; do echo "-- $(basename "$f")"; cat "$f"; done
  python3 tests/e2e/tick_report.py --doc "$root/docs/performance.md" \
    no_seconds="$out_dir/no_seconds.txt" analog_seconds="$out_dir/analog_seconds.txt" \
    anadigi_seconds="$out_dir/anadigi_seconds.txt" lag="$out_dir/lag.txt"
  rm -rf "$out_dir"
}
world_section() {
  local win_dir=$1 seconds=${PERF_WORLD_SECONDS:-120}
  echo "== world clocks: 1, 2 and 5 clocks, $seconds s side by side, natively and under Wine"
  cmake --preset linux >/dev/null
  cmake --build --preset linux --target sorvane
  PYTHONPATH="$root/tests/e2e:$root/tests/qt/e2e" bash tests/qt/with_xvfb.sh /usr/bin/python3 \
    tests/qt/e2e/measure_world_clocks.py --program "$root/build/linux/bin/sorvane" \
    --skins "$root/skins" --doc "$root/docs/performance.md" --seconds "$seconds"
  cmake --build "$win_dir" -j2 --target sorvane probe
  bash tests/e2e/with_own_wine.sh "$win_dir" measure_world_clocks.py \
    --doc "$root/docs/performance.md" --seconds "$seconds"
}
if [ "${1:-}" = "--world" ]; then
  world_section "${PERF_WIN_DIR:-$root/build-perf-win}"
  exit 0
fi
if [ "${1:-}" = "--ticks" ]; then
  ticks_section "${PERF_WIN_DIR:-$root/build-perf-win}"
  exit 0
fi
if [ "${1:-}" = "--linux" ]; then
  linux_section
  exit 0
fi

native=${PERF_NATIVE_DIR:-$root/build-perf}
win=${PERF_WIN_DIR:-$root/build-perf-win}
runs=${PERF_RUNS:-201}
out=$root/docs/performance.md
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== building (Release, benchmarks on)"
cmake -S . -B "$native" -DCMAKE_BUILD_TYPE=Release -DSORVANE_BENCH=ON >/dev/null
cmake --build "$native" -j2 --target rebuild_times
cmake -S . -B "$win" -DCMAKE_BUILD_TYPE=Release -DSORVANE_BENCH=ON \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build "$win" -j2 --target rebuild_times analog_gdi_bench handoff_bench sorvane probe

# A prefix of our own, so stopping its wineserver disturbs no one else's programs.
export WINEPREFIX=${WINEPREFIX:-$win/wineprefix-perf}
source scripts/wine-env.sh
wine_env_start
trap 'wine_env_stop; rm -rf "$work"' EXIT

echo "== rebuild times, native"
python3 - "$native/bench/rebuild/rebuild_times" "$root/skins" "$runs" >"$work/native.txt" <<'PY'
import resource, subprocess, sys
result = subprocess.run(sys.argv[1:], capture_output=True, text=True, check=True)
sys.stdout.write(result.stdout)
print("peak_rss_kb=%d" % resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)
PY

echo "== rebuild times and GDI comparison, under Wine"
# Output to files: a Wine program writing to a pipe starts slowly.
wine "$win/bench/rebuild/rebuild_times.exe" "$root/skins" "$runs" >"$work/wine.txt" 2>/dev/null </dev/null
wine "$win/bench/win32/analog_gdi_bench.exe" >"$work/gdi.txt" 2>/dev/null </dev/null
wine "$win/bench/win32/handoff_bench.exe" >"$work/handoff.txt" 2>/dev/null </dev/null
tr -d '\r' <"$work/handoff.txt" >"$work/handoff.unix" && mv "$work/handoff.unix" "$work/handoff.txt"
tr -d '\r' <"$work/wine.txt" >"$work/wine.unix" && mv "$work/wine.unix" "$work/wine.txt"
tr -d '\r' <"$work/gdi.txt" >"$work/gdi.unix" && mv "$work/gdi.unix" "$work/gdi.txt"

echo "== start-up to the first region, under Wine"
exe=$(find "$win" -name sorvane.exe -path '*bin*' | head -1)
probe=$(find "$win" -name probe.exe | head -1)
folder=$work/clock
mkdir -p "$folder"
cp "$exe" "$root"/skins/*.skn "$folder"/
# The probe waits in its own loop (it looks every 100 ms) and exits when it sees the clock.
wine "$probe" wait 30 >"$work/probe.txt" 2>/dev/null </dev/null &
probe_pid=$!
sleep 2
start_ns=$(date +%s%N)
(cd "$folder" && exec wine sorvane.exe </dev/null >/dev/null 2>&1) &
clock_pid=$!
wait "$probe_pid" || true
seen_ns=$(date +%s%N)
sleep 3
peak_kb=$(awk '/VmHWM/ {print $2}' "/proc/$clock_pid/status" 2>/dev/null || echo 0)
wine "$probe" usage >"$work/usage.txt" 2>/dev/null </dev/null || true
wine "$probe" terminate >/dev/null 2>&1 </dev/null || true
wait "$clock_pid" 2>/dev/null || true
tr -d '\r' <"$work/probe.txt" >"$work/probe.unix"
tr -d '\r' <"$work/usage.txt" >"$work/usage.unix"
startup_ms=$(( (seen_ns - start_ns) / 1000000 ))
rects=$(sed -n 's/^clock.region_rects=//p' "$work/probe.unix")
exe_bytes=$(stat -c %s "$exe")
# The size a release carries: the same program without its symbol table.
x86_64-w64-mingw32-strip -o "$work/stripped.exe" "$exe"
stripped_bytes=$(stat -c %s "$work/stripped.exe")
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/.*DLL Name: //p' | sort -u | tr '\n' ' ')

echo "== writing $out"
python3 - "$work" "$out" "$startup_ms" "${rects:-0}" "${peak_kb:-0}" "$exe_bytes" "$dlls" "$stripped_bytes" <<'PY'
import re, sys, datetime, platform
work, out, startup_ms, rects, peak_kb, exe_bytes, dlls, stripped = sys.argv[1:9]
# DLLs every Windows installation has in its system folder.
system_dlls = {"gdi32.dll", "kernel32.dll", "shell32.dll", "user32.dll", "comdlg32.dll",
               "msvcrt.dll", "advapi32.dll", "ole32.dll", "comctl32.dll", "hhctrl.ocx",
               "ntdll.dll", "shlwapi.dll", "imm32.dll", "version.dll", "ws2_32.dll"}
foreign = [d for d in dlls.split() if d.lower() not in system_dlls]

def figures(name):
    keys, rows = {}, []
    for line in open(f"{work}/{name}.txt"):
        line = line.strip()
        if line.startswith("row|"):
            rows.append(line.split("|")[1:])
        elif "=" in line and " " not in line.split("=")[0]:
            k, v = line.split("=", 1)
            keys[k] = v
        elif line.startswith("skin="):
            pass
    skins = re.findall(r"skin=(\S+) analog_fullscreen_us=(\S+) whole_face_us=(\S+)", open(f"{work}/{name}.txt").read())
    return keys, rows, skins

nk, nrows, nskins = figures("native")
wk, wrows, wskins = figures("wine")
usage = dict(l.strip().split("=", 1) for l in open(f"{work}/usage.unix") if "=" in l)
gdi = open(f"{work}/gdi.txt").read().strip()
handoff = open(f"{work}/handoff.txt").read().strip()

def share(us):  # one rebuild a second: the share of one processor
    return float(us) / 1e6 * 100

full_native = max(float(r[3]) for r in nrows if r[1] == "FullScreen")
full_wine = max(float(r[3]) for r in wrows if r[1] == "FullScreen")
whole_native = max(float(w) for _, _, w in nskins)  # the face drawn from nothing, 1080 px
L = []
L.append("# Performance")
L.append("")
L.append("Generated by `scripts/perf.sh` on %s (%s, %s). Regenerate with that one command;"
         % (datetime.date.today(), platform.machine(), platform.processor() or "cpu"))
L.append("the machine is shared, so figures move by tens of percent between runs. Times are")
L.append("medians of %s rebuilds of `RebuildOutline` through the clock form (`bench/rebuild`)." % nk["runs"])
L.append("")
L.append("## Goals")
L.append("")
L.append("| Goal | Measured | Met |")
L.append("|---|---|---|")
L.append("| full-screen rebuild under 1 ms natively | tick %.0f µs (slowest style); whole face from nothing %.0f µs (heaviest skin) | %s |"
         % (full_native, whole_native, "yes" if max(full_native, whole_native) < 1000 else "no"))
L.append("| region engine alone: CPU share of a day of rebuilds under 0.01 %% | dearest fixed size, seconds shown: %.4f %% native (%s), %.4f %% Wine (%s) | %s |"
         % (share(nk["worst_fixed_size_us"]), nk["worst_fixed_size"], share(wk["worst_fixed_size_us"]),
            wk["worst_fixed_size"], "yes" if share(wk["worst_fixed_size_us"]) < 0.01 else "no"))
L.append("| `sorvane.exe` under 2 MB | %s bytes as built, %s stripped | %s |"
         % (exe_bytes, stripped, "yes" if int(exe_bytes) < 2 << 20 else
            "stripped only" if int(stripped) < 2 << 20 else "no"))
L.append("| no DLL beyond the system's | imports: %s | %s |"
         % (dlls.strip(), "yes" if not foreign else "no: " + " ".join(foreign)))
ratios = re.findall(r"^\s*(\d+)\s+\S+\s+\S+\s+(\S+)", gdi, re.M)
L.append("| at least 3x faster than GDI regions under Wine | wall-time ratio %s | %s |"
         % (", ".join("%s at %s px" % (r, s) for s, r in ratios),
            "yes" if ratios and all(float(r) >= 3 for _, r in ratios) else "only where every ratio is 3 or more"))
L.append("")
L.append("## Rebuild time per style and size, heaviest shipped skin (`%s`)" % nk["heaviest"])
L.append("")
L.append("Worst case of each: seconds on both faces and the date line shown; each run is the next")
L.append("second's tick from 10:08:37 on, so the time line is drawn anew and the date line is kept. Full")
L.append("screen is a 1920 x 1080 primary screen. Natively the text lines come from the headless")
L.append("block glyphs; under Wine from %s, so the digital rows differ most." % wk["text"])
L.append("")
L.append("| Style | Size | Window | Native µs | Wine µs |")
L.append("|---|---|---|---:|---:|")
for n, w in zip(nrows, wrows):
    L.append("| %s | %s | %s | %s | %s |" % (n[0], n[1], n[2], n[3], w[3]))
L.append("")
L.append("Analog face at full screen, every shipped skin (µs). A tick draws the hands onto the")
L.append("face and marks the clock keeps; the whole face is drawn from nothing after a change of")
L.append("skin, size or place (`AnalogClockRegion` alone, 1080 px):")
L.append("")
L.append("| Skin | Tick native | Tick Wine | Whole face native | Whole face Wine |")
L.append("|---|---:|---:|---:|---:|")
for (s, n, nw), (_, w, ww) in zip(nskins, wskins):
    L.append("| %s | %s | %s | %s | %s |" % (s, n, w, nw, ww))
L.append("")
L.append("## Our region engine against GDI regions under Wine")
L.append("")
L.append("`bench/win32/analog_gdi_bench.exe`: the analog clock of `bench/bench_skin.h` (48 minute")
L.append("marks, 12 hour marks, three hands) built by our engine and by `CreatePolygonRgn` /")
L.append("`CreateEllipticRgn` / `CombineRgn`, with a pixel comparison of the two:")
L.append("")
L.append("```")
L.append(gdi)
L.append("```")
L.append("")
L.append("## Handing the outline to the window under Wine")
L.append("")
L.append("Wine's `ExtCreateRegion` adds one rectangle after another, so its time grows with the")
L.append("square of their number; the clock hands GDI pieces of 64 rectangles united pair by pair")
L.append("(`ToGdiRegion`). `bench/win32/handoff_bench.exe`, grids of separate squares:")
L.append("")
L.append("```")
L.append(handoff)
L.append("```")
L.append("")
L.append("## Region engine alone: CPU share of a day of rebuilds")
L.append("")
L.append("The rebuild alone, not what the process uses (that is in \"Under Wine: the running clock\"")
L.append("below). With seconds shown the outline is rebuilt once a second, 86,400 times a day; the share of")
L.append("one processor is the rebuild cost x 86,400 / 86,400 s. Dearest fixed size: %.4f %%"
         % share(nk["worst_fixed_size_us"]))
L.append("natively (%s), %.4f %% under Wine (%s). A full-screen clock: %.4f %% natively, %.4f %% under Wine."
         % (nk["worst_fixed_size"], share(wk["worst_fixed_size_us"]), wk["worst_fixed_size"],
            share(full_native), share(full_wine)))
L.append("Without seconds the outline changes once a minute, a sixtieth of that. A tick draws only")
L.append("what moves: the hands onto the kept face and marks, and the time line (the date line and")
L.append("the fonts are kept too). Under Wine most of what is left is the time line: GDI measures")
L.append("it and its characters' kept outlines are put together (the Digital rows above).")
L.append("")
L.append("## Start-up, memory, program file")
L.append("")
L.append("- Process start to the first region applied, under Wine: %s ms (`sorvane.exe` started" % startup_ms)
L.append("  from a fresh folder with the shipped skins; `probe.exe wait` looks every 100 ms, so the")
L.append("  figure is up to 100 ms late; first region: %s rectangles)." % rects)
L.append("- Peak memory of the running clock under Wine (VmHWM of its process, Wine's own libraries")
L.append("  included): %s KB. CPU time of that process from start to 3 s later: user %s ms, kernel %s ms;"
         % (peak_kb, usage.get("cpu_user_ms", "?"), usage.get("cpu_kernel_ms", "?")))
L.append("  GDI objects: %s." % usage.get("gdi_objects", "?"))
L.append("- Peak memory of the native measurement program, every rebuild above included: %s KB." % nk["peak_rss_kb"])
L.append("- `sorvane.exe`: %s bytes, statically linked; it imports only: %s." % (exe_bytes, dlls.strip()))
L.append("")
report = "\n".join(L)
# The sections this part does not write (the running clock's, the native Linux clock's, and
# the hand-written ones on what was cut and why) are kept from the old report, in their
# order; the steps after this one replace their own.
try:
    old_report = open(out).read()
except OSError:
    old_report = ""
def heading(line):  # without what the figures put in brackets (the heaviest skin's name)
    return re.sub(r"\s*\(.*\)$", "", line)
written = {heading(h) for h in re.findall(r"(?m)^## .*$", report)}
kept = [part for part in re.split(r"(?m)^(?=## )", old_report)[1:]
        if heading(part.splitlines()[0]) not in written]
if kept:
    report = report.rstrip("\n") + "\n\n" + "".join(kept)
open(out, "w").write(report)
PY
wine_env_stop
trap 'rm -rf "$work"' EXIT
ticks_section "$win"
echo "== smooth edges against the region path under Wine, 4 x 120 s"
bash tests/e2e/with_own_wine.sh "$win" measure_look.py --doc "$root/docs/performance.md"
linux_section
echo "== done: $out"
