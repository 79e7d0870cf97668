#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine, then configures and builds
# one preset (release unless told otherwise). Sourced by run.sh and test.sh.
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# A minimal Debian has no fonts, no file(1) and no man: the screenshots are
# drawn with Liberation Sans (the windows' own font) and DejaVu Sans (what
# fontconfig gives message boxes and the working's view, whose italic letters
# need DejaVu Sans Oblique from the extra set), dpkg-shlibdeps needs file, and the README
# reads the manual page with man -l. The windows preset cross-builds with
# mingw-w64, runs the tests under Wine and builds GoogleTest from the sources
# of Debian's googletest package.
paquetes=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-svg-dev qt6-translations-l10n
    libgl-dev libgtest-dev libgmock-dev libbenchmark-dev libx11-dev libmpfrc++-dev libboost-dev
    xvfb xauth xdotool x11-utils imagemagick
    fontconfig fonts-liberation fonts-dejavu-core fonts-dejavu-extra
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

# The page (the web preset) and its test: Debian's emscripten, Node, headless
# Chromium driven by Selenium, and axe-core from npm into the build tree, never
# into the system. Only scripts/test.sh asks for them: the desktop program
# needs none. Node from another source brings its own npm, which Debian's npm
# package would clash with.
paquetes_web=(emscripten nodejs chromium chromium-driver python3-selenium)
version_axe=4.14.1
instalar_web() {
    local web=("${paquetes_web[@]}")
    command -v npm >/dev/null || web+=(npm)
    instalar_faltantes "${web[@]}"
    local npm_dir="$raiz/build/npm"
    local paquete="$npm_dir/node_modules/axe-core/package.json"
    if [ ! -f "$paquete" ] ||
        [ "$(node -p "require(process.argv[1]).version" "$paquete")" != "$version_axe" ]; then
        mkdir -p "$npm_dir"
        # Without the registry (no network, or a proxy npm does not trust) the
        # browser test still runs, and says that it left the check out.
        npm install --prefix "$npm_dir" --no-audit --no-fund --no-save \
            "axe-core@$version_axe" >/dev/null ||
            echo "setup.sh: no se pudo instalar axe-core con npm; la prueba del" \
                "navegador no comprobará la accesibilidad." >&2
    fi
}

# compilar PRESET [CMAKE_ARGS...]
compilar() {
    local preset="${1:-release}"
    shift || true
    (cd "$raiz" && cmake --preset "$preset" "$@" >/dev/null && cmake --build --preset "$preset")
}

instalar_faltantes "${paquetes[@]}"
