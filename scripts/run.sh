#!/usr/bin/env bash
# Installs what is missing, builds, and starts TOVA with its shipped content.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    exec xvfb-run -a "$root/build/app/tova" "$@"
fi
exec "$root/build/app/tova" "$@"
