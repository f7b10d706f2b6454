#!/usr/bin/env bash
# Installs what is missing, builds (for Linux, Windows and the browser, and every download of a
# release), and runs every test headless: the Windows build's under Wine, the browser build's in
# Chromium, then the fuzzer and the suites again under the sanitizers. This is what CI runs.
#
#   scripts/test.sh            all of it (20 minutes; the first run on a machine also builds Qt
#                              twice, 31 minutes more)
#   scripts/test.sh --linux    the Linux build and its tests alone (about ten minutes)
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-}" in
  "") ;;
  --linux)
    scripts/install-deps.sh linux
    scripts/build.sh -DTESSELKA_TESTS=ON -DTESSELKA_WINDOWS_BUILD= -DTESSELKA_WEB_BUILD= \
      -DTESSELKA_RELEASE_DIR= -DTESSELKA_SIGNING_CERTIFICATE=
    cd build
    QT_QPA_PLATFORM=offscreen exec ctest --output-on-failure -j2 --timeout 600 ;;
  *) echo "usage: scripts/test.sh [--linux]" >&2; exit 2 ;;
esac
# Each stage's time, to see where a run goes (the first run on a machine, and CI's limit).
stage_start=$SECONDS
took() {
  echo "test.sh: $1 took $((SECONDS - stage_start)) s" >&2
  stage_start=$SECONDS
}
scripts/install-deps.sh test
took "installing"
# Every download, as a release makes them (the Windows and browser builds among them), signed with
# a throw-away certificate.
tests/signing_certificate.sh build-signing
TESSELKA_SIGN_PKCS12=build-signing/cert.p12 TESSELKA_SIGN_PASSWORD_FILE=build-signing/password \
  scripts/release.sh
took "the release (with Qt for Windows and the browser, when not built yet)"
# The browser tests' driver, from the lock file: puppeteer-core, which brings no browser.
npm ci --prefix tests/web --no-audit --no-fund --silent
# The tests join the Linux build of the release (the Debian package's, with Debian's flags): the
# program is compiled once, and the suite tests the very build that is packed.
cmake --preset package -DTESSELKA_TESTS=ON -DTESSELKA_WINDOWS_BUILD="$PWD/build-windows" \
  -DTESSELKA_WEB_BUILD="$PWD/build-web" -DTESSELKA_RELEASE_DIR="$PWD/release" \
  -DTESSELKA_SIGNING_CERTIFICATE="$PWD/build-signing/cert.pem" >/dev/null
cmake --build build-package -j2
took "the build with its tests"
# The notices test checks the downloads' notices against what each Qt build used.
TESSELKA_QT_PREFIXES="$(scripts/qt-build.sh windows):$(scripts/qt-build.sh web)"
export TESSELKA_QT_PREFIXES
cd build-package
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 600
took "the suite"
cd ..
# The typed-input check, fuzzed for a bounded time.
fuzz/run.sh
took "the fuzzer"
# The same suite built with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer.
tests/reliability/sanitize.sh
took "the sanitizer build and suite"
