#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs the whole test suite,
# then runs it again under AddressSanitizer and UndefinedBehaviorSanitizer, then fuzzes every reader
# for a minute in all (scripts/fuzz.sh runs them longer).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/check-format.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANEST_WERROR=ON > /dev/null
cmake --build build/test
ctest --test-dir build/test --output-on-failure -j "$(nproc)"

# The Qt tests run here as well: they pass under both sanitizers, leaks included.
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANEST_WERROR=ON -DORVANEST_SANITIZE=ON \
    -DORVANEST_BUILD_BENCHMARKS=OFF > /dev/null
cmake --build build/asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build/asan --output-on-failure -j "$(nproc)"

FUZZ_SECONDS=15 FUZZ_JOBS="$(nproc)" ./scripts/fuzz.sh
