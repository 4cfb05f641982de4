#!/usr/bin/env bash
# Builds the libFuzzer targets of the file loaders with clang and runs each for a
# few seconds, so they keep building and keep finding nothing. Run from anywhere;
# FUZZ_SECONDS sets the time per target (longer runs: FUZZ_SECONDS=600). Given a
# build folder already configured with clang and -DVELMORA_FUZZ=ON (test.sh's
# sanitizer build), it fuzzes there instead of configuring build-fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-5}
build=${1:-build-fuzz}
targets=(options_loader_fuzz saved_game_loader_fuzz shard_json_fuzz)

if [ $# -eq 0 ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
        -DVELMORA_FUZZ=ON -DVELMORA_BUILD_UI=OFF -DVELMORA_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$build" --target "${targets[@]}" velmora_fuzz_seeds

corpora="$build/fuzz-corpus"
"$build/fuzz/velmora_fuzz_seeds" "$corpora"
for target in "${targets[@]}"; do
    echo "-- $target for ${seconds}s"
    log="$build/$target.log"
    # Crash inputs land in the build folder, not in the sources.
    if ! "$build/fuzz/$target" -max_total_time="$seconds" -max_len=12000 -print_final_stats=1 \
        -artifact_prefix="$build/$target-" "$corpora/$target" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "$target found a failing input (see $build/$target-*)" >&2
        exit 1
    fi
    grep -E "^(Done|stat::number_of_executed_units|stat::new_units_added)" "$log"
done
