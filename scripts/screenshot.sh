#!/usr/bin/env bash
# Opens the Zorvanta window on a virtual X display (Xvfb), types two lists, runs a few
# two-dimensional statistics with their calculation steps and saves a picture of the window;
# then pictures of the chart window beside it: docs/diagramm-streudiagramm.png,
# docs/diagramm-haeufigkeiten.png (the same lists), docs/diagramm-verteilung.png,
# docs/diagramm-boxplot.png and docs/diagramm-summenkurve.png (a one-dimensional list).
#
#   scripts/screenshot.sh [BUILD_DIR] [PICTURE]
#
# Defaults: build-ui and docs/screenshot.png in the repository; the chart pictures go to the
# picture's folder. Needs cmake, the Qt 6 development files, QCustomPlot and xvfb-run.
set -euo pipefail

wurzel="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bau="${1:-$wurzel/build-ui}"
bild="${2:-$wurzel/docs/screenshot.png}"

cmake -S "$wurzel" -B "$bau" -DZV_FENSTER=ON -DZV_DIAGRAMME=ON -DBUILD_TESTING=ON \
    -DZV_WARNUNGEN_ALS_FEHLER=ON >/dev/null
cmake --build "$bau" -j2 --target zorvanta zv_bildschirmfoto
mkdir -p "$(dirname "$bild")"

# A real X server, not the headless test platform: the picture shows what a person sees.
# German number format, as the program's users have it.
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
    env -u LC_ALL QT_QPA_PLATFORM=xcb LC_NUMERIC=de_DE.UTF-8 \
    "$bau/tools/zv_bildschirmfoto" "$bild" "$(dirname "$bild")"
echo "saved $bild and the charts beside it"
