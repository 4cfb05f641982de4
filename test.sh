#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: first the
# optimised build, then a second build of the tests under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc 2>/dev/null || echo 2)

scripts/check_core_has_no_qt.sh .

echo "== build (release) and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== build (AddressSanitizer + UBSan, debug) and test"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON >/dev/null
cmake --build build-sanitize
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

if [ -x scripts/fuzz_briefly.sh ]; then
    echo "== fuzz the file loaders briefly"
    scripts/fuzz_briefly.sh
fi
echo "all tests passed"
