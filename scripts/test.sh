#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors, and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANEST_WERROR=ON > /dev/null
cmake --build build/test
ctest --test-dir build/test --output-on-failure -j "$(nproc)"
