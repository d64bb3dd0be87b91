#!/usr/bin/env bash
# Configures and builds everything (program, tests, benchmarks) into build/ (RelWithDebInfo, or
# $SALVIA_BUILD_TYPE).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE="${SALVIA_BUILD_TYPE:-RelWithDebInfo}"
cmake --build "$root/build"
