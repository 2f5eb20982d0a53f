#!/usr/bin/env bash
# Configures and builds TOVA into build/ (the program and its content land in build/app/).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${TOVA_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE="${CMAKE_BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build "$build" -j"$(nproc)"
