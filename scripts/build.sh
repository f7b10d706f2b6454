#!/usr/bin/env bash
# Configures (the preset "dev": RelWithDebInfo in build/) and builds (two jobs: the machines have
# two cores).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset dev "$@" >/dev/null
cmake --build build -j2
