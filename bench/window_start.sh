#!/usr/bin/env bash
# The time from starting a program to its intro window being shown on the X display, as a person
# sees it: median of RUNS starts, in milliseconds. Used by scripts/bench.sh to set the program
# beside its Windows build under Wine.
#
#   bench/window_start.sh RUNS COMMAND [ARGUMENT...]
set -euo pipefail
runs="$1"; shift
times=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name '^Tesselka\(start\)$' >/dev/null 2>&1; do
    sleep 0.01
    kill -0 "$pid" 2>/dev/null || { echo "window_start.sh: the program ended without a window" >&2; exit 1; }
    (( $(date +%s%N) - start < 60000000000 )) || { kill "$pid"; echo "window_start.sh: no window in 60 s" >&2; exit 1; }
  done
  times+=($(( ($(date +%s%N) - start) / 1000000 )))
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
  while xdotool search --onlyvisible --name '^Tesselka\(start\)$' >/dev/null 2>&1; do sleep 0.05; done
done
printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p"
