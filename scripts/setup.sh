#!/usr/bin/env bash
# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing on a Debian 12 machine: `source setup.sh programa`
# what the program needs (run.sh), plain `source setup.sh` everything the
# tests need too (test.sh). Then gives the way to build the program alone.
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# What building and running the program needs: the compiler and build tools,
# Qt 6 with its Spanish texts, Boost's header-only multiprecision numbers (the
# elementary functions' last path), and Liberation Sans, the windows' own font (a
# minimal Debian has no fonts).
paquetes_programa=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n libgl-dev libboost-dev
    fonts-liberation
)

# What the tests, benchmarks and other builds need besides. The screenshots
# are drawn with Liberation Sans and DejaVu Sans (what fontconfig gives
# message boxes and the working's view, whose italic letters need DejaVu Sans
# Oblique from the extra set); dpkg-shlibdeps needs file, lintian checks the
# package, reuse the licence of every file, openbox frames the windows of a
# test as a desktop does, and the README reads the manual
# page with man -l. The windows preset cross-builds with mingw-w64, runs the
# tests under Wine and builds GoogleTest from the sources of Debian's
# googletest package.
paquetes_pruebas=(
    qt6-qpa-plugins libgtest-dev libgmock-dev libbenchmark-dev libx11-dev libmpfrc++-dev
    xvfb xauth xdotool x11-utils imagemagick openbox
    fontconfig fonts-dejavu-core fonts-dejavu-extra
    xclip python3 binutils-mingw-w64-x86-64
    g++-mingw-w64-x86-64 wine64 googletest
    appstream desktop-file-utils dpkg-dev file groff-base man-db lintian reuse locales
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

# The tests that read numbers under a comma locale need one: es_ES.UTF-8,
# made where the system lacks it.
preparar_locale() {
    locale -a 2>/dev/null | grep -qix 'es_ES.utf-\?8' && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Creando la configuración regional es_ES.UTF-8"
    "${sudo[@]}" sed -i 's/^# *es_ES.UTF-8 UTF-8/es_ES.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^es_ES.UTF-8 UTF-8' /etc/locale.gen ||
        echo 'es_ES.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    "${sudo[@]}" locale-gen >/dev/null
}

# The program alone: pendra and pendra-cli in the release tree, without the
# tests and benchmarks, and without failing for their packages. The presets
# turn them on again for scripts/test.sh.
compilar_programa() {
    (cd "$raiz" &&
        cmake --preset release -DBUILD_TESTING=OFF -DPENDRA_BENCHMARKS=OFF \
            -DPENDRA_STRICT_DEPENDENCIES=OFF >/dev/null &&
        cmake --build --preset release --target pendra pendra-cli)
}

# `source setup.sh programa` installs what the program needs; without an
# argument, everything the tests need as well.
if [ "${1:-}" = programa ]; then
    instalar_faltantes "${paquetes_programa[@]}"
else
    instalar_faltantes "${paquetes_programa[@]}" "${paquetes_pruebas[@]}"
fi
