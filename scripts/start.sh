#!/usr/bin/env bash
# Installs what is missing, builds a Release build and starts the program. Without a display
# it prints a sample report from the command-line tool instead.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build build -j"$(nproc)" --target zorvanta zorvanta-report

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/ui/zorvanta "$@"
fi
echo "Keine Anzeige gefunden: Beispielbericht von build/cli/zorvanta-report"
echo
exec build/cli/zorvanta-report --mode 2 --separator semicolon --detail --locale de_DE \
    --select Kontingenzkoeffizient --a1 '10;20;5' --a2 '3;7;15'
