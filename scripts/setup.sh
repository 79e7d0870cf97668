#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine, then configures and builds
# one preset (release unless told otherwise). Sourced by run.sh and test.sh.
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# A minimal Debian has no fonts, no file(1) and no man: the screenshots are
# drawn with Liberation Sans (the windows' own font) and DejaVu Sans (what
# fontconfig gives message boxes), dpkg-shlibdeps needs file, and the README
# reads the manual page with man -l. The windows preset cross-builds with
# mingw-w64, runs the tests under Wine and builds GoogleTest from the sources
# of Debian's googletest package.
paquetes=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-svg-dev qt6-translations-l10n
    libgl-dev libgtest-dev libgmock-dev libbenchmark-dev libx11-dev libmpfrc++-dev
    xvfb xauth xdotool x11-utils imagemagick
    fontconfig fonts-liberation fonts-dejavu-core
    xclip python3 binutils-mingw-w64-x86-64
    g++-mingw-w64-x86-64 wine64 googletest
    appstream desktop-file-utils dpkg-dev file groff-base man-db
)

instalar_faltantes() {
    local faltan=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            faltan+=("$p")
    done
    ((${#faltan[@]})) || return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Instalando: ${faltan[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${faltan[@]}" </dev/null
}

# compilar PRESET [CMAKE_ARGS...]
compilar() {
    local preset="${1:-release}"
    shift || true
    (cd "$raiz" && cmake --preset "$preset" "$@" >/dev/null && cmake --build --preset "$preset")
}

instalar_faltantes "${paquetes[@]}"
