#!/usr/bin/env bash
# Installs what is missing, builds the program and opens the bundled sample job (or the file given).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build/run -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANEST_BUILD_TESTS=OFF -DORVANEST_BUILD_BENCHMARKS=OFF > /dev/null
cmake --build build/run
job="${1:-samples/sample-job.txt}"
# Further arguments go to the window (for example --list, or --screenshot PATH for scripts).
exec ./build/run/src/platform/qt/orvanest "$job" "${@:2}"
