#!/usr/bin/env bash
# Runs a test command with a Wine prefix of its own, made afresh and removed afterwards, so that
# each test starts from a Windows with nothing installed. TESSELKA_E2E_WINE names Wine's loader.
set -euo pipefail
wine="$(command -v wine64 || echo /usr/lib/wine/wine64)"
[ -x "$wine" ] || { echo "with_wine.sh: Wine (wine64) is not installed" >&2; exit 1; }
prefix="$(mktemp -d)"
trap 'WINEPREFIX="$prefix" "$(dirname "$wine")/wineserver" -k 2>/dev/null || true; rm -rf "$prefix"' EXIT
export WINEPREFIX="$prefix" WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml=" \
       TESSELKA_E2E_WINE="$wine"
"$wine" wineboot -i >/dev/null 2>&1
"$(dirname "$wine")/wineserver" -w
# A server that stays between the test's programs (each would otherwise start one of its own), and
# ends five seconds after the last, so that `wineserver -w` tells when all that Wine started is done.
"$(dirname "$wine")/wineserver" -p5
"$@"
