#!/usr/bin/env bash
# Installs what is missing, builds the programs as they ship (GCC, optimised,
# warning-free), then builds every test once with clang under AddressSanitizer and
# UBSan, the core optimised as the sanitizers advise (-O1) and instrumented for the
# fuzzers too, runs the tests there and fuzzes the file loaders briefly from the
# same build. One test build instead of an optimised and a sanitized one, and no
# third build for the fuzzers, keep the whole run within ten minutes on two cores.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc 2>/dev/null || echo 2)

scripts/check_core_has_no_qt.sh .

echo "== build the programs (release)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_BUILD_TESTS=OFF >/dev/null
cmake --build build

echo "== build the tests (clang, AddressSanitizer + UBSan) and run them"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
    -DVELMORA_SANITIZE=ON -DVELMORA_FUZZ=ON >/dev/null
cmake --build build-sanitize
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

if [ -x scripts/fuzz_briefly.sh ]; then
    echo "== fuzz the file loaders briefly"
    scripts/fuzz_briefly.sh build-sanitize
fi
echo "all tests passed"
