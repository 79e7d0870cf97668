#!/usr/bin/env bash
# Builds the Debian package from a build directory and checks it without
# installing it on this machine: its fields, its dependencies (worked out by
# dpkg-shlibdeps, so they must name Qt 6), its files, and the pendra-cli it
# holds, run from a scratch directory the package is unpacked into.
#
#   empaquetar.sh [BUILD_DIR]     (build/release unless told otherwise)
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$raiz/build/release}" && pwd)"

fallar() {
    echo "empaquetar.sh: FAIL: $*" >&2
    exit 1
}

rm -f "$build"/pendra_*.deb
if ! salida="$(cd "$build" && cpack -G DEB 2>&1)"; then
    echo "$salida" >&2
    fallar "cpack failed in $build"
fi
paquetes=("$build"/pendra_*.deb)
[ -f "${paquetes[0]}" ] || fallar "cpack made no package in $build"
((${#paquetes[@]} == 1)) || fallar "more than one package in $build: ${paquetes[*]}"
deb="${paquetes[0]}"

campo() { dpkg-deb --field "$deb" "$1"; }

# Fields: field name, then a pattern its value must match in full.
while read -r nombre patron; do
    valor="$(campo "$nombre")"
    [[ "$valor" =~ ^$patron$ ]] || fallar "$nombre is '$valor'"
done <<'EOF'
Package pendra
Version 1\.00
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
trap 'rm -rf "$raiz_falsa"' EXIT
dpkg-deb -x "$deb" "$raiz_falsa"

for archivo in usr/bin/pendra usr/bin/pendra-cli \
    usr/share/applications/io.pendra.Pendra.desktop \
    usr/share/metainfo/io.pendra.Pendra.metainfo.xml \
    usr/share/icons/hicolor/16x16/apps/io.pendra.Pendra.png \
    usr/share/icons/hicolor/32x32/apps/io.pendra.Pendra.png \
    usr/share/icons/hicolor/48x48/apps/io.pendra.Pendra.png \
    usr/share/icons/hicolor/256x256/apps/io.pendra.Pendra.png \
    usr/share/icons/hicolor/scalable/apps/io.pendra.Pendra.svg \
    usr/share/man/man1/pendra-cli.1.gz; do
    [ -f "$raiz_falsa/$archivo" ] || fallar "the package lacks /$archivo"
done

# Every library the windowed program needs is found on this machine, which
# has the packages Depends names.
if faltan="$(ldd "$raiz_falsa/usr/bin/pendra" | grep 'not found')"; then
    fallar "pendra from the package misses libraries: $faltan"
fi

respuesta="$("$raiz_falsa/usr/bin/pendra-cli" --json "" 3 "" 4 "" 5)" ||
    fallar "the packaged pendra-cli failed"
[[ "$respuesta" == '{"mensaje": null, "soluciones": [{"angulos": '*'"lados": [3, 4, 5]'* ]] ||
    fallar "the packaged pendra-cli answered 3, 4, 5 with: $respuesta"

# The unpacked menu entry and metainfo pass the validators as well.
desktop-file-validate "$raiz_falsa/usr/share/applications/io.pendra.Pendra.desktop" ||
    fallar "desktop-file-validate rejects the packaged menu entry"
appstreamcli validate --no-net "$raiz_falsa/usr/share/metainfo/io.pendra.Pendra.metainfo.xml" \
    >/dev/null || fallar "appstreamcli rejects the packaged metainfo"

echo "empaquetar.sh: $(basename "$deb") correct; Depends: $dependencias"
