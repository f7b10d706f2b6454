#!/usr/bin/env bash
# Builds the program's code with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer
# into build-asan/ and runs the suites that drive it there: the windows in process (the accessible
# ones on the accessibility bus, and the window tests again at other screen densities), the soak,
# and the real program as a process.
#
# Not the checks of the package, the installed files, the notices, the sources' layers and the
# translations, which run none of its code; nor the suites whose program takes the paths the
# in-process ones take, where the sanitizers would find nothing new: the font set-ups' renders,
# and the lesson driven through X and heard by Orca. The ordinary build's suite runs them all.
set -euo pipefail
cd "$(dirname "$0")/../.."
root="$(pwd)"
suites=(model_tests forms_tests window_tests hidpi_tests speech_tests startup_tests reliability_tests
        process_tests)

# Only what those suites run: the program's code is the instrumented part (the preset).
cmake --preset sanitize >/dev/null
cmake --build build-asan -j2 --target "${suites[@]}"
# Were the program's code left uninstrumented, the suites would pass and find nothing.
symbols="$(nm build-asan/src/libtesselka_core.a)"
for check in __asan_report_load __ubsan_handle; do
  grep -q "$check" <<<"$symbols" ||
    { echo "sanitize.sh: the program's code calls no $check: it is not instrumented" >&2; exit 1; }
done

cd build-asan
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_init_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/tests/reliability/lsan.supp:print_suppressions=0"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 900 \
  -R "^($(IFS='|'; echo "${suites[*]}")|list_text_at_.*|zoom_lines_at_.*)\$"
