#!/usr/bin/env bash
# Builds the Debian package zorvanta_<version>-1_<architecture>.deb with CPack: a Release build
# of the two programs and the installed data (desktop entry, icons, metainfo, man pages,
# README, licence), the dependencies computed from the binaries by dpkg-shlibdeps. The package
# is left in the build folder and its path printed on the last line.
#
#   scripts/package.sh [BUILD_DIR]
#
# Default build folder: build-pkg in the repository (tests and benchmarks are not built there).
set -euo pipefail
cd "$(dirname "$0")/.."

bau="${1:-build-pkg}"

# dpkg-shlibdeps (dpkg-dev) and file, which CPack uses to find the binaries to scan.
scripts/install-deps.sh dpkg-dev file

# A build folder that exists keeps its tests and benchmarks; a new one is made as the preset
# "package" has it, without them.
if [ -f "$bau/CMakeCache.txt" ]; then
    cmake -S . -B "$bau" -DCMAKE_BUILD_TYPE=Release -DZV_FENSTER=ON -DZV_DIAGRAMME=ON \
        -DZV_WARNUNGEN_ALS_FEHLER=ON >/dev/null
else
    cmake --preset package -B "$bau" >/dev/null
fi
cmake --build "$bau" -j"$(nproc)"
ausgabe=$(cd "$bau" && cpack -G DEB)
paket=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' <<<"$ausgabe")
if [ -z "$paket" ] || [ ! -f "$paket" ]; then
    echo "$ausgabe" >&2
    echo "scripts/package.sh: CPack hat kein Paket erzeugt" >&2
    exit 1
fi
echo "$paket"
