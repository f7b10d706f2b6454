#!/usr/bin/env bash
# One lesson with a real screen reader: Debian's Orca, in a D-Bus session of its own on a virtual
# X display with a window manager, its speech written to its debug log. The lesson is driven
# from the keyboard alone, and the log must show what a pupil should hear: the intro's captions,
# the water temperature after the start, the start of condensation, the whole state on F1, and
# the message about a bad input.
#
#   tests/e2e/screen_reader_test.sh BUILD_DIR
#
# Exits 77 (skipped) only where Orca or its display cannot be found or started.
set -uo pipefail

build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
skip() { echo "SKIPPED: $*" >&2; exit 77; }

if [ "${2:-}" != --inside ]; then
  for tool in orca xvfb-run dbus-run-session openbox xdotool; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/install-deps.sh test)"
  done
  # Orca allows one instance per user, on any display.
  pgrep -u "$(id -u)" -x orca >/dev/null && skip "another Orca of this user is running"
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" dbus-run-session -- "$here/$(basename "$0")" \
    "$build" --inside
fi

dir=$(mktemp -d)
log=$dir/orca.log
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  sleep 1
  for pid in "${pids[@]}"; do kill -KILL "$pid" 2>/dev/null; done
  rm -rf "$dir"
}
trap cleanup EXIT

# Waits up to $2 seconds for the log to hold speech containing $1.
heard() {
  local deadline=$((SECONDS + $2))
  while [ $SECONDS -lt $deadline ]; do
    grep -F "SPEECH OUTPUT: " "$log" 2>/dev/null | grep -qF -- "$1" && return 0
    sleep 0.2
  done
  return 1
}

failures=0
expect() {
  if heard "$1" "$2"; then
    echo "heard: $1"
  else
    echo "NOT HEARD within $2 s: $1" >&2
    failures=$((failures + 1))
  fi
}

# The window with exactly this title gets the keys, as if the pupil had it in front.
press() {
  local window
  window=$(xdotool search --onlyvisible --name "^$(printf '%s' "$1" | sed 's/[()]/\\&/g')\$" | head -1)
  [ -n "$window" ] || { echo "no window: $1" >&2; failures=$((failures + 1)); return; }
  xdotool windowactivate --sync "$window" 2>/dev/null
  shift
  xdotool key --delay 150 "$@"
}

openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
# Orca's settings: speech to a server that logs and stays silent.
mkdir -p "$dir/prefs"
cat >"$dir/prefs/user-settings.conf" <<'JSON'
{"general": {"speechServerFactory": "tesselka_silent_speech", "enableBraille": false},
 "profiles": {"default": {"profile": ["Default", "default"], "pronunciations": {}, "keybindings": {}}},
 "pronunciations": {}, "keybindings": {}}
JSON
PYTHONPATH="$here${PYTHONPATH:+:$PYTHONPATH}" orca --user-prefs "$dir/prefs" --debug-file="$log" >"$dir/orca.out" 2>&1 &
pids+=($!)
heard "Screen reader on" 30 || skip "Orca did not start: $(tail -3 "$dir/orca.out")"

intro="Tesselka(start)"
main="Tesselka(コップに水滴が付くのは？)"
cd "$build"
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 ./tesselka >"$dir/tesselka.out" 2>&1 &
pids+=($!)

for caption in "コップに冷水を入れます。" "やがて" "コップの表面が曇りだし、" \
               "やがて水滴がついてきます。" "コップについた水滴はどこからきたのでしょう。" \
               "どのようにして水滴がついたのでしょう。"; do
  expect "$caption" 10
done
press "$intro" Return                        # 次へ
heard "コップの水温を下げる(開始)" 10
press "$main" space                          # start
expect " 29℃'" 10                           # the whole utterance, after its role
expect "水滴がつき始めました。水になった量 1.04 g" 15
press "$main" F1
expect "入りきらずに水になった量" 5
press "$main" Tab Tab ctrl+a a b c Return   # the humidity's field: not a number
expect "湿度は 0 から 100 までの数で入力してください" 10
press "Tesselka" Return

if [ $failures -ne 0 ]; then
  echo "--- what Orca said:" >&2
  grep -F "SPEECH OUTPUT: " "$log" | sed 's/^.*SPEECH OUTPUT: //' >&2
  exit 1
fi
echo "All expected speech heard."
