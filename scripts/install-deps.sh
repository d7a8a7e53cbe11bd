#!/usr/bin/env bash
# Installs every Debian package that building, testing and running fenlo needs.
# Safe to run again: packages already present are skipped without touching apt.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkgconf
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-ipafont-gothic fonts-ipafont-mincho
    xvfb xauth x11-utils imagemagick xdotool openbox
    qt6-translations-l10n
    shared-mime-info desktop-file-utils xdg-utils
    appstream man-db groff-base bash-completion
    dpkg-dev lintian file
    python3
)
# The fuzz targets need clang and its libFuzzer runtime.
if [ "${FENLO_FUZZ:-0}" = "1" ]; then
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "installing: ${missing[*]}"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
