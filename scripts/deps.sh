#!/usr/bin/env bash
# Installs the Debian packages TOVA needs to build, run and test; quick when all are present.
set -euo pipefail
packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-webengine-dev qt6-webchannel-dev qt6-charts-dev qt6-pdf-dev libgl-dev
    libxml2-dev libxslt1-dev libxml2-utils xsltproc
    libgtest-dev libgmock-dev libbenchmark-dev libxcb1-dev
    xvfb xauth xdg-utils fonts-dejavu-core fonts-dejavu-extra poppler-utils
)
missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [[ $(id -u) -eq 0 ]] || SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
