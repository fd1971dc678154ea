#!/usr/bin/env bash
# Fuzzes the calculation run: builds the libFuzzer target with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz (when needed) and runs it on a copy of the seed
# corpus for the given number of seconds. Exits non-zero when the fuzzer finds a crash, a
# violated invariant, a leak or an input that runs too long; the input that did it is left
# in build-fuzz/funde/.
# Usage: scripts/fuzz.sh SECONDS
set -euo pipefail
cd "$(dirname "$0")/.."

sekunden=${1:?"Aufruf: scripts/fuzz.sh SEKUNDEN"}
[[ "$sekunden" =~ ^[0-9]+$ ]] || { echo "SEKUNDEN muss eine ganze Zahl sein" >&2; exit 2; }

# clang and its fuzzer runtime are not part of the normal build's packages.
laufzeit="/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a"
if ! command -v clang++ >/dev/null || ! compgen -G "$laufzeit" >/dev/null; then
    scripts/install-deps.sh clang libclang-rt-dev
fi

cmake --preset fuzz >/dev/null
cmake --build build-fuzz --target fuzz_rechenlauf -j2

# The fuzzer adds what it finds to its working corpus; the seeds in the tree stay as they are.
arbeit=build-fuzz/korpus
funde=build-fuzz/funde
mkdir -p "$arbeit" "$funde"
for saat in tests/fuzz/corpus/*; do
    [ -e "$arbeit/${saat##*/}" ] || cp "$saat" "$arbeit"/
done

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:${ASAN_OPTIONS:-}
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}
build-fuzz/tests/fuzz/fuzz_rechenlauf "$arbeit" \
    -dict=tests/fuzz/rechenlauf.dict -max_total_time="$sekunden" -max_len=8192 -timeout=20 \
    -rss_limit_mb=4096 -artifact_prefix="$funde/" -print_final_stats=1
