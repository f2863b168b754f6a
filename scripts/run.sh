#!/usr/bin/env bash
# Installs what is missing, builds the program and opens the bundled sample job (or the file given).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build/run -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANEST_BUILD_TESTS=OFF -DORVANEST_BUILD_BENCHMARKS=OFF > /dev/null
cmake --build build/run
job="${1:-samples/sample-job.txt}"
exec ./build/run/src/batch/orvanest-batch "$job" --method points
