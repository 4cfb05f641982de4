#!/usr/bin/env bash
# Fails when a file of the core (engine/, strategy/, table/, io/, settings/, analysis/, and
# exact/ and history/ where present) includes a Qt header.
set -euo pipefail
root="${1:-$(dirname "$0")/..}"
cd "$root"
hits=$(grep -rnE '^\s*#\s*include\s*[<"](Q[A-Za-z]|qt)' engine strategy table io settings analysis exact history 2>/dev/null || true)
if [ -n "$hits" ]; then
    echo "The core must not include Qt headers:"
    echo "$hits"
    exit 1
fi
echo "core includes no Qt header"
