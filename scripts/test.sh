#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through ctest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
# The unit suites need no real screen; the end-to-end suite runs on an Xvfb server of its own
# (tests/CMakeLists.txt). The web engine runs as root only without its sandbox.
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1
export QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --no-sandbox"
export LC_ALL=C.UTF-8
cd "${TOVA_BUILD_DIR:-$root/build}"
ctest --output-on-failure -j"$(nproc)" --timeout 600
