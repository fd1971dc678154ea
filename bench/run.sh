#!/usr/bin/env bash
# Builds the benchmarks (Release, in build-bench), runs the report and window benchmarks with
# repetitions and prints every ratio beside its target (medians of the repetitions).
#
#   bash bench/run.sh              # five repetitions
#   REPS=9 bash bench/run.sh       # more repetitions on a busy machine
#   bash bench/run.sh --markdown   # no measuring: the last run's figures into docs/leistung.md
#
# The figures go to build-bench/bench_bericht.json, bench_fenster.json and bench_diagramm.json.
# Exit status 0 once the benchmarks ran: the script measures, it does not gate a build.
# With --markdown it writes both tables of those files, dated by the day they were measured,
# into docs/leistung.md, and fails when there are no results to write.
set -euo pipefail
cd "$(dirname "$0")/.."

REPS="${REPS:-5}"
BUILD=build-bench
ERGEBNISSE=("$BUILD"/bench_{bericht,fenster,diagramm}.json)

case "${1:-}" in
"") ;;
--markdown) exec python3 bench/ratios.py --seite docs/leistung.md "${ERGEBNISSE[@]}" ;;
*)
    echo "Aufruf: bench/run.sh [--markdown]" >&2
    exit 2
    ;;
esac

cmake --preset benchmark >/dev/null
cmake --build "$BUILD" -j2 --target zv_bench_bericht zv_bench_fenster zv_bench_diagramm

# Headless window; XDG_RUNTIME_DIR only silences the toolkit's note about its absence.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR="$(mktemp -d)"
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi

# Repetitions of different benchmarks are interleaved at random, so that a slow spell of the
# machine does not fall on one side of a ratio only.
for prog in bench_bericht bench_fenster bench_diagramm; do
    echo "== zv_$prog ($REPS repetitions)"
    "$BUILD/bench/zv_$prog" \
        --benchmark_repetitions="$REPS" \
        --benchmark_enable_random_interleaving=true \
        --benchmark_report_aggregates_only=true \
        --benchmark_out="$BUILD/$prog.json" --benchmark_out_format=json
done

echo
python3 bench/ratios.py --time cpu "${ERGEBNISSE[@]}"
echo
python3 bench/ratios.py --time real "${ERGEBNISSE[@]}"
echo
echo "bash bench/run.sh --markdown writes these figures into docs/leistung.md."
