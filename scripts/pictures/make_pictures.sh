#!/usr/bin/env bash
# Builds the picture generator in a scratch folder and writes every picture and the library PDF
# into content/.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build="${TMPDIR:-/tmp}/tova_pictures_build"
cmake -S "$here" -B "$build" >/dev/null
cmake --build "$build" -j4 >/dev/null
QT_QPA_PLATFORM=offscreen "$build/make_pictures" "$root/content"
