#!/usr/bin/env bash
# Installs what is missing, builds and runs every test through CTest, then the same tests built
# with AddressSanitizer and UndefinedBehaviorSanitizer, then a minute of fuzzing on the seed
# corpus. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh clang libclang-rt-dev  # the fuzzer needs clang
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"

bash scripts/sanitize.sh
bash scripts/fuzz.sh 60
