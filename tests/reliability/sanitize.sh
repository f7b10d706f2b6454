#!/usr/bin/env bash
# Builds everything with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer into
# build-asan/ and runs the whole suite there: the soak, the real program as a process, and the
# end-to-end test in real windows on Xvfb.
set -euo pipefail
cd "$(dirname "$0")/../.."
root="$(pwd)"

cmake --preset sanitize >/dev/null
cmake --build build-asan -j2

cd build-asan
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_init_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/tests/reliability/lsan.supp:print_suppressions=0"
# All but the tests that run none of the instrumented code: the package (an instrumented program
# is never packed; the ordinary build's run checks it), and the Python checks of the sources'
# layers and of the notices.
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 900 -E '^(package_test|notices_test|layers_test)$'
