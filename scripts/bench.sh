#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks in a Release folder of their own (build-bench/),
# runs them and prints one table: one cooling tick and its pieces, the start-up to each window's
# first paint (offscreen, and under Xvfb when it is installed), and the memory a run keeps, each
# beside a bare Qt Widgets program.
#
#   scripts/bench.sh             the table (about two minutes after the build)
#   scripts/bench.sh --quick     fewer repetitions, for trying a change
#   scripts/bench.sh --profile   also callgrind profiles of the tick and the start-up, summarised
#                                in build-bench/profile/
#
# Figures are wall-clock times on a shared machine: run it with nothing else busy.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
started=$(date +%s)

quick=0 profile=0
for arg in "$@"; do
  case "$arg" in
    --quick) quick=1 ;;
    --profile) profile=1 ;;
    *) echo "usage: scripts/bench.sh [--quick] [--profile]" >&2; exit 2 ;;
  esac
done

scripts/install-deps.sh
if [ "$profile" -eq 1 ] && ! command -v valgrind >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends valgrind >/dev/null
fi

echo "Building build-bench (Release) ..." >&2
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTESSELKA_BENCH=ON -DTESSELKA_TESTS=OFF >/dev/null
cmake --build build-bench -j2 --target tesselka_tick_bench tesselka_bench_report >/dev/null

# Run from the build folder: the probes and the benches read the cup pictures drawn there.
cd build-bench
export QT_QPA_PLATFORM=offscreen
if [ "$quick" -eq 1 ]; then
  reps=3 min_time=0.1 runs=5 memory_runs=1
else
  reps=10 min_time=0.2 runs=15 memory_runs=3
fi

echo "Timing the cooling tick ($reps repetitions) ..." >&2
./tesselka_tick_bench --benchmark_repetitions=$reps --benchmark_min_time=$min_time \
  --benchmark_report_aggregates_only=true \
  --benchmark_out=tick.json --benchmark_out_format=json >tick.txt 2>tick.log

report=(./tesselka_bench_report --tick tick.json --runs "$runs" --memory-runs "$memory_runs"
        --ticks 2000 --log probes.log)
: >probes.log
if command -v xvfb-run >/dev/null; then
  xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "${report[@]}" --platforms offscreen,xcb >table.md
else
  echo "xvfb-run is missing: start-up offscreen only" >&2
  "${report[@]}" --platforms offscreen >table.md
fi

if [ "$profile" -eq 1 ]; then
  echo "Profiling with callgrind (about a minute) ..." >&2
  mkdir -p profile
  (
    cd profile
    # The tick: 200 ticks of the simulation window, collected only inside the tick loop.
    PROBE_TICKS=200 valgrind --tool=callgrind --callgrind-out-file=tick.callgrind \
      --toggle-collect=probe_tick_loop ../tesselka_probe >/dev/null 2>tick.valgrind.log
    # The start-up, to the simulation window's first paint; and the bare program's.
    PROBE_TICKS=0 valgrind --tool=callgrind --callgrind-out-file=start.callgrind \
      ../tesselka_probe >/dev/null 2>start.valgrind.log
    PROBE_TICKS=0 valgrind --tool=callgrind --callgrind-out-file=bare.callgrind \
      ../bare_probe >/dev/null 2>bare.valgrind.log
    for p in tick start bare; do
      callgrind_annotate --inclusive=yes $p.callgrind >$p.inclusive.txt 2>/dev/null
      callgrind_annotate --inclusive=yes --tree=calling $p.callgrind >$p.tree.txt 2>/dev/null
    done
  )
fi

cat table.md
echo
if [ "$profile" -eq 1 ]; then
  echo "Profiles: build-bench/profile/{tick,start,bare}.inclusive.txt (inclusive cost per function) and *.tree.txt (callees)."
  for p in tick start bare; do
    printf '  %-6s %s instructions\n' "$p" "$(grep -m1 'PROGRAM TOTALS' profile/$p.inclusive.txt | awk '{print $1}')"
  done
fi
echo "Raw figures: build-bench/tick.json, build-bench/tick.txt; took $(( $(date +%s) - started )) s."
