#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks in a Release folder of their own (build-bench/),
# runs them and prints one table: the cooling tick and its split into the program's own steps
# (callgrind), the start-up to each window's first paint (offscreen, and under Xvfb when it is
# installed; 「次へ」 also after a start with --zoom 200 and with --full-screen, the latter under
# openbox) with what the warm-up during the intro costs, and the memory a run keeps, each beside
# a bare Qt Widgets program.
#
#   scripts/bench.sh             the table (a few minutes after the build)
#   scripts/bench.sh --quick     fewer runs, for trying a change
#
# Figures are wall-clock times on a shared machine: run it with nothing else busy. The profiles
# stay in build-bench/profile/ (tick.tree.txt: every function and its callees).
set -euo pipefail
cd "$(dirname "$0")/.."
started=$(date +%s)

quick=0
for arg in "$@"; do
  case "$arg" in
    --quick) quick=1 ;;
    *) echo "usage: scripts/bench.sh [--quick]" >&2; exit 2 ;;
  esac
done

scripts/install-deps.sh bench

echo "Building build-bench (Release) ..." >&2
cmake --preset bench >/dev/null
cmake --build build-bench -j2 --target tesselka_bench_report tesselka tesselka_render >/dev/null

# Run from the build folder: the probes read the cup pictures drawn there.
cd build-bench
export QT_QPA_PLATFORM=offscreen
if [ "$quick" -eq 1 ]; then
  runs=5 memory_runs=1
else
  runs=15 memory_runs=3
fi

echo "Profiling 200 ticks with callgrind ..." >&2
mkdir -p profile
PROBE_TICKS=200 PROBE_NEXT_MS=0 valgrind --tool=callgrind --callgrind-out-file=profile/tick.callgrind \
  --toggle-collect=probe_tick_loop ./tesselka_probe >/dev/null 2>profile/tick.valgrind.log
callgrind_annotate --inclusive=yes --tree=calling profile/tick.callgrind >profile/tick.tree.txt 2>/dev/null

report=(./tesselka_bench_report --runs "$runs" --memory-runs "$memory_runs" --ticks 2000
        --split profile/tick.tree.txt --log probes.log)
: >probes.log
if command -v xvfb-run >/dev/null; then
  xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "${report[@]}" --platforms offscreen,xcb >table.md
else
  echo "xvfb-run is missing: start-up offscreen only" >&2
  "${report[@]}" --platforms offscreen >table.md
fi

# The Windows build under Wine beside the program here, from the start to the intro window
# shown on one virtual display (scripts/windows.sh builds it; Wine has a fresh prefix).
windows_folder="$(ls -d ../build-windows/stage/tesselka-* 2>/dev/null | head -n 1)"
if [ -n "$windows_folder" ] && command -v xvfb-run >/dev/null; then
  echo "Timing the start-up of the Windows build under Wine ..." >&2
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" ../tests/windows/with_wine.sh bash -c '
    linux=$(../bench/window_start.sh "$1" ./tesselka)
    ../bench/window_start.sh 1 "$TESSELKA_E2E_WINE" "$0/tesselka.exe" >/dev/null  # Wine starts its services
    wine=$(../bench/window_start.sh "$1" "$TESSELKA_E2E_WINE" "$0/tesselka.exe")
    echo "| Start → intro window shown (X display): Linux / Windows build under Wine | $linux ms / $wine ms |"' \
    "$(cd "$windows_folder" && pwd)" "$runs" >>table.md
fi

# The browser build in Chromium beside a bare Qt Widgets page built with the same Qt and build type:
# the page's bytes over the wire (the smaller of gzip and the brotli and gzip files the folder
# ships, as the browser tests count them), and the time from navigation to each page's first
# frame, with where Tesselka's goes (scripts/web.sh builds it).
web_zip="$(ls ../build-web/tesselka-*-web.zip 2>/dev/null | head -n 1)"
if [ -n "$web_zip" ] && [ -d ../tests/web/node_modules ] && [ -x /usr/bin/chromium ]; then
  echo "Timing the page in Chromium ..." >&2
  TESSELKA_WEB_METRICS="$PWD/web-metrics.json" node --test-name-pattern="weighs" \
    ../tests/web/web_test.mjs "$web_zip" ./tesselka_render >/dev/null
  node -e 'const m = require(process.argv[1]);
    console.log(`| The browser build: the page over the wire (HTML, loader, JavaScript, WebAssembly) | ${(m.bytes / 1e6).toFixed(2)} MB |`)' \
    "$PWD/web-metrics.json" >>table.md
  qt="$(../scripts/qt-build.sh web)"
  (. ../scripts/emscripten-env.sh
   "$qt/bin/qt-cmake" -S ../bench/web_bare -B web-bare -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
   cmake --build web-bare >/dev/null)
  brotli --best --keep --force web-bare/bare.wasm web-bare/bare.js web-bare/qtloader.js
  node ../bench/web_start.mjs ../build-web/web web-bare "$runs" >>table.md
fi

cat table.md
echo
echo "Took $(( $(date +%s) - started )) s."
