#!/usr/bin/env bash
# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the Debian package that cpack made in a build directory (the package
# step of `cmake --workflow --preset release`) without installing it on this
# machine: its fields, its dependencies (worked out by dpkg-shlibdeps, so they
# must name Qt 6), that it holds exactly what `cmake --install` installs, its
# copyright, changelog and licence text, that lintian finds no error and no
# warning in it, and the pendra-cli it holds, run from a scratch directory it
# is unpacked into.
#
#   empaquetar.sh [BUILD_DIR]     (build/release unless told otherwise)
#
# Exits 77 (skipped) when the build directory holds no package yet.
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$raiz/build/release}" && pwd)"

fallar() {
    echo "empaquetar.sh: FAIL: $*" >&2
    exit 1
}

paquetes=("$build"/pendra_*.deb)
if [ ! -f "${paquetes[0]}" ]; then
    echo "SKIP: no package in $build: make it with cpack there, or cmake --workflow --preset release"
    exit 77
fi
((${#paquetes[@]} == 1)) || fallar "more than one package in $build: ${paquetes[*]}"
deb="${paquetes[0]}"
[ "$deb" -nt "$build/cli/pendra-cli" ] || fallar "$deb is older than the build: make it again"

campo() { dpkg-deb --field "$deb" "$1"; }

# Fields: field name, then a pattern its value must match in full.
while read -r nombre patron; do
    valor="$(campo "$nombre")"
    [[ "$valor" =~ ^$patron$ ]] || fallar "$nombre is '$valor'"
done <<'EOF'
Package pendra
Architecture [a-z0-9]+
Section math
Priority optional
Maintainer .+<.+@.+>
Homepage https?://.+
Recommends fonts-liberation
EOF

# The generated dependencies: the C and C++ runtimes and each Qt 6 library the
# programs link (libqt6gui6 also holds the X11 display plugin); and Qt's
# Spanish texts, named by hand.
dependencias="$(campo Depends)"
nombres="$(tr ',|' '\n\n' <<<"$dependencias" | sed -e 's/^ *//' -e 's/[ (].*//')"
for paquete in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-translations-l10n; do
    grep -qxF "$paquete" <<<"$nombres" || fallar "Depends does not name $paquete: $dependencias"
done

raiz_falsa="$(mktemp -d)"
instalada="$(mktemp -d)"
trap 'rm -rf "$raiz_falsa" "$instalada"' EXIT
dpkg-deb -x "$deb" "$raiz_falsa"

# The package holds what the install rules install, as the install's own
# manifest lists it (tests/empaquetado/instalacion.sh checks those files).
cmake --install "$build" --prefix "$instalada" >/dev/null
en_paquete="$(cd "$raiz_falsa/usr" && find . -type f -o -type l | sed 's|^\./||' | sort)"
instalados="$(sed "s|^$instalada/||" "$build/install_manifest.txt" | sort)"
[ "$en_paquete" = "$instalados" ] ||
    fallar "the package's files differ from the install's (< package, > install):
$(diff <(echo "$en_paquete") <(echo "$instalados"))"

# Every library the windowed program needs is found on this machine, which
# has the packages Depends names.
if faltan="$(ldd "$raiz_falsa/usr/bin/pendra" | grep 'not found')"; then
    fallar "pendra from the package misses libraries: $faltan"
fi

# The package's version is the program's, then the package's own revision.
version="$("$raiz_falsa/usr/bin/pendra-cli" --version)" || fallar "the packaged pendra-cli failed"
[[ "$(campo Version)" =~ ^${version#pendra-cli }-[0-9]+$ ]] ||
    fallar "the package's Version is $(campo Version), its pendra-cli says $version"

respuesta="$("$raiz_falsa/usr/bin/pendra-cli" --json "" 3 "" 4 "" 5)" ||
    fallar "the packaged pendra-cli failed"
[[ "$respuesta" == '{"mensaje": null, "soluciones": [{"angulos": '*'"lados": [3, 4, 5]'* ]] ||
    fallar "the packaged pendra-cli answered 3, 4, 5 with: $respuesta"

# The unpacked menu entry and metainfo pass the validators as well.
metainfo="$raiz_falsa/usr/share/metainfo/io.pendra.pendra.metainfo.xml"
desktop-file-validate "$raiz_falsa/usr/share/applications/io.pendra.pendra.desktop" ||
    fallar "desktop-file-validate rejects the packaged menu entry"
appstreamcli validate --pedantic --no-net "$metainfo" >/dev/null ||
    fallar "appstreamcli rejects the packaged metainfo"

# The licence's text as the source tree has it, and the copyright file
# that points at it.
documentacion="$raiz_falsa/usr/share/doc/pendra"
cmp -s "$documentacion/GPL-3.0-or-later.txt" "$raiz/LICENSES/GPL-3.0-or-later.txt" ||
    fallar "the package does not hold the licence's text as LICENSES/ has it"
grep -q 'GPL-3.0-or-later.txt' "$documentacion/copyright" ||
    fallar "the package's copyright does not point at the licence's text"

# The changelog's last entry is this package, released the day the metainfo
# gives for this version.
gzip -dc "$documentacion/changelog.Debian.gz" >"$instalada/changelog"
[ "$(dpkg-parsechangelog -l "$instalada/changelog" -S Version)" = "$(campo Version)" ] ||
    fallar "the changelog's last entry is not version $(campo Version)"
dia="$(date -u -d "$(dpkg-parsechangelog -l "$instalada/changelog" -S Date)" +%F)"
grep -q "<release version=\"${version#pendra-cli }\" date=\"$dia\"" "$metainfo" ||
    fallar "the changelog dates the release $dia, the metainfo otherwise"

# What Debian asks of a package. lintian prints each tag it finds as a line
# starting with its severity's letter.
command -v lintian >/dev/null || fallar "lintian is not installed (scripts/setup.sh installs it)"
informe="$(lintian --no-cfg --fail-on none "$deb" 2>&1)" ||
    fallar "lintian failed: $informe"
if grep -E '^[EW]: ' <<<"$informe"; then
    fallar "lintian finds errors or warnings in $(basename "$deb")"
fi

echo "empaquetar.sh: $(basename "$deb") correct; Depends: $dependencias"
