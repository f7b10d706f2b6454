#!/usr/bin/env bash
# Runs a command in a D-Bus session of its own whose accessibility bus is already up, as a
# desktop with a screen reader has it: Qt's bridge connects only to a bus that is running.
#
#   tests/with_accessibility_bus.sh COMMAND [ARGUMENTS...]
set -euo pipefail

if [ -z "${TESSELKA_IN_BUS_SESSION:-}" ]; then
  TESSELKA_IN_BUS_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
exec "$@"
