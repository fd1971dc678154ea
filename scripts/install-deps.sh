#!/usr/bin/env bash
# Installs the Debian packages the build, the window and the tests need; does nothing when all
# are present. Usage: scripts/install-deps.sh [extra packages...]
set -euo pipefail

pakete=(build-essential cmake pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
        libbenchmark-dev xvfb xauth x11-utils openbox fonts-dejavu-core fonts-liberation
        qt6-translations-l10n libqcustomplot-dev zlib1g-dev "$@")

fehlend=()
for p in "${pakete[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        fehlend+=("$p")
    fi
done
[ ${#fehlend[@]} -eq 0 ] && exit 0

echo "Installiere: ${fehlend[*]}"
als_root=()
[ "$(id -u)" -ne 0 ] && als_root=(sudo)
"${als_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -qq --no-install-recommends \
    "${fehlend[@]}"
