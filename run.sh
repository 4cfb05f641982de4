#!/usr/bin/env bash
# Installs what is missing, builds Velmora and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build
if [ -x build/app/velmora ]; then
    exec build/app/velmora "$@"
fi
echo "Built the core library and the tests; the game window is not part of this build yet."
if [ -x build/analysis/velmora-analyze ]; then
    exec build/analysis/velmora-analyze --seconds 5
fi
