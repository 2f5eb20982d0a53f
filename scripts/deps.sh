#!/usr/bin/env bash
# Installs the Debian packages TOVA needs to build, run and test; quick when all are present.
set -euo pipefail
packages=(
    build-essential cmake pkg-config clang-format
    qt6-base-dev qt6-webengine-dev qt6-webchannel-dev qt6-charts-dev qt6-pdf-dev libgl-dev
    libxml2-dev libxslt1-dev libxml2-utils xsltproc libpng-dev zlib1g-dev
    libgtest-dev libgmock-dev libbenchmark-dev libxcb1-dev
    xvfb xauth openbox x11-utils xdg-utils fonts-dejavu-core fonts-dejavu-extra poppler-utils locales
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

# The tests run every suite under a locale that writes decimals with a comma as well.
locales=(de_DE.UTF-8)
available=$(locale -a 2>/dev/null || true)
wanted=()
for l in "${locales[@]}"; do
    # "locale -a" spells the charset "utf8".
    grep -qix "${l%.UTF-8}.utf8" <<<"$available" || wanted+=("$l")
done
if ((${#wanted[@]})); then
    echo "Generating locales: ${wanted[*]}"
    SUDO=""
    [[ $(id -u) -eq 0 ]] || SUDO="sudo"
    for l in "${wanted[@]}"; do
        grep -qx "$l UTF-8" /etc/locale.gen || $SUDO sed -i -E "s/^# *($l UTF-8)\$/\\1/" /etc/locale.gen
        grep -qx "$l UTF-8" /etc/locale.gen || echo "$l UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
    done
    $SUDO locale-gen >/dev/null
fi
