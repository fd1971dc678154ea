#!/usr/bin/env bash
# Builds every test with clang, AddressSanitizer and UndefinedBehaviorSanitizer in build-asan
# (the window tests too when Qt is there) and runs them all through CTest, the window headless.
# So the tests are built by a second compiler as well. Exits non-zero on any failure or
# sanitizer report.
# Usage: scripts/sanitize.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh clang libclang-rt-dev

fenster=OFF
pkg-config --exists Qt6Widgets 2>/dev/null && fenster=ON

cmake --preset sanitizer -DZV_FENSTER="$fenster" -DZV_DIAGRAMME="$fenster" >/dev/null
cmake --build build-asan -j2

# Qt and the font libraries keep some allocations until the process ends on purpose; leaks
# in our own code are still reported.
unterdrueckt=build-asan/lsan.supp
cat >"$unterdrueckt" <<'LISTE'
leak:libQt6
leak:libfontconfig
leak:libglib
leak:libdbus
LISTE

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:${ASAN_OPTIONS:-}
export LSAN_OPTIONS=suppressions=$PWD/$unterdrueckt:${LSAN_OPTIONS:-}
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}
ctest --test-dir build-asan --output-on-failure -j2 -LE package
