#!/usr/bin/env bash
# Installs, from Debian's packages, what building and running need; with --tests, also what the
# tests, the sanitizer build and the fuzz targets need. Skips what is present.
set -euo pipefail

# qt6-l10n-tools compiles the catalogue; sqlite3 is for looking at the demo's result; dpkg-dev
# gives the build the distribution's hardening flags and the package its Depends; libxcb1-dev
# lets the program try the X display before Qt does; nettle-dev gives the SHA-256 of data files
# at the speed of the processor's SHA instructions.
packages=(
    g++ cmake ninja-build pkg-config dpkg-dev
    qt6-base-dev qt6-qpa-plugins libsqlite3-dev libxcb1-dev nettle-dev fonts-dejavu-core
    qt6-l10n-tools qt6-translations-l10n sqlite3
)
if [ "${1:-}" = --tests ]; then
    packages+=(
        libgtest-dev libgmock-dev
        xvfb xauth xdotool x11-utils
        file lintian desktop-file-utils appstream
        clang libclang-rt-dev
        locales
    )
fi

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

[ "${1:-}" = --tests ] || exit 0

# The locale tests run the program under Indonesian and German locales; a locale that is not
# generated falls back to C, which would hide what they check.
for locale in id_ID de_DE; do
    if ! locale -a 2>/dev/null | grep -qx "$locale.utf8"; then
        echo "Generating the locale $locale.UTF-8"
        localedef -i "$locale" -c -f UTF-8 -A /usr/share/locale/locale.alias "$locale.UTF-8"
    fi
done
