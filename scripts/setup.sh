#!/usr/bin/env bash
# Installs, from Debian's packages, what building, running and testing need; skips what is present.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-qpa-plugins libsqlite3-dev fonts-dejavu-core
    libgtest-dev libgmock-dev
    xvfb xauth xdotool x11-utils sqlite3
    dpkg-dev file lintian desktop-file-utils appstream
    clang libclang-rt-dev
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
