#!/usr/bin/env bash
# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs a build into a scratch prefix and checks what lands there, as the
# install's own manifest lists it: every file is of a kind that belongs and
# is sound (programs, manual pages, menu entry, metainfo, icons, the licence
# and the Debian copyright, changelog and lintian overrides), and what must
# be there is: pendra-cli with its manual page, the licence's text, on Linux
# the Debian files and, with the windowed program, its manual page,
# the menu entry, the metainfo and the icon, all named after the desktop id
# and pointing at each other.
#
#   instalacion.sh CMAKE BUILD_DIR [DESKTOP_ID]
set -euo pipefail

cmake="$1"
build="$2"
id="${3:-}"

prefijo="$(mktemp -d)"
trap 'rm -rf "$prefijo"' EXIT
"$cmake" --install "$build" --prefix "$prefijo" >/dev/null

fallos=0
fallar() {
    echo "FAIL: $*" >&2
    fallos=$((fallos + 1))
}

# Width and height of a PNG, from its header.
medidas_png() {
    od -An -tu1 -j16 -N8 "$1" |
        awk '{ printf "%dx%d\n", (($1*256+$2)*256+$3)*256+$4, (($5*256+$6)*256+$7)*256+$8 }'
}

instalados="$(sed "s|^$prefijo/||" "$build/install_manifest.txt" | sort)"

# What must be there; the menu entry and the metainfo name the rest.
documentacion=share/doc/pendra
requeridos="bin/pendra-cli share/man/man1/pendra-cli.1.gz $documentacion/GPL-3.0-or-later.txt"
[ "$(uname -s)" != Linux ] ||
    requeridos+=" $documentacion/copyright $documentacion/changelog.Debian.gz
        share/lintian/overrides/pendra"
[ -z "$id" ] || requeridos+=" bin/pendra share/man/man1/pendra.1.gz
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml
    share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/scalable/apps/$id.svg"
for ruta in $requeridos; do
    grep -qxF "$ruta" <<<"$instalados" || fallar "$ruta was not installed"
done

# The kind of each installed file, from where it lies.
tipo_de() {
    case "$1" in
    bin/*) echo programa ;;
    share/man/man1/*.1.gz) echo manual ;;
    share/applications/"$id".desktop) echo escritorio ;;
    share/metainfo/"$id".metainfo.xml) echo metainfo ;;
    share/icons/hicolor/*x*/apps/"$id".png) echo "png-$(cut -d/ -f4 <<<"$1")" ;;
    share/icons/hicolor/scalable/apps/"$id".svg) echo svg ;;
    "$documentacion"/GPL-3.0-or-later.txt) echo licencia ;;
    "$documentacion"/copyright) echo copyright ;;
    "$documentacion"/changelog.Debian.gz) echo changelog ;;
    share/lintian/overrides/pendra) echo lintian ;;
    *) echo otro ;;
    esac
}

while read -r ruta; do
    archivo="$prefijo/$ruta"
    if [ ! -f "$archivo" ]; then
        fallar "$ruta is in the install manifest but not installed"
        continue
    fi
    tipo="$(tipo_de "$ruta")"
    case "$tipo" in
    programa)
        [ -x "$archivo" ] || fallar "$ruta is not executable"
        # A search path in an installed program is a leftover of the build tree.
        if command -v readelf >/dev/null && readelf -d "$archivo" | grep -Eq 'RPATH|RUNPATH'; then
            fallar "$ruta carries a library search path"
        fi
        ;;
    manual)
        programa="$(basename "$ruta" .1.gz)"
        gzip -dc "$archivo" | grep -q "^\.TH ${programa^^} 1 " ||
            fallar "$ruta is not the compressed manual page of $programa"
        ;;
    png-*)
        [ "$(medidas_png "$archivo")" = "${tipo#png-}" ] ||
            fallar "$ruta is $(medidas_png "$archivo"), not ${tipo#png-}"
        ;;
    svg)
        grep -q '<svg' "$archivo" || fallar "$ruta is not an SVG picture"
        ;;
    licencia)
        head -n 3 "$archivo" | grep -q 'GNU GENERAL PUBLIC LICENSE' &&
            grep -q '^ *Version 3, 29 June 2007' "$archivo" ||
            fallar "$ruta is not the text of the GPL version 3"
        ;;
    copyright)
        # Machine-readable, and each license a Files paragraph names has a
        # paragraph of its own with its text.
        head -n 1 "$archivo" |
            grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
            fallar "$ruta is not in the machine-readable copyright format"
        sin_texto="$(awk 'BEGIN { RS = "" }
            /^Files:/ && match($0, /\nLicense: *[^\n]+/) {
                nombre = substr($0, RSTART + 1, RLENGTH - 1)
                sub(/^License: */, "", nombre)
                usadas[nombre] = 1
            }
            /^License: *[^\n]+\n / {
                split($0, lineas, "\n")
                sub(/^License: */, "", lineas[1])
                dadas[lineas[1]] = 1
            }
            END { for (nombre in usadas) if (!(nombre in dadas)) print nombre }' "$archivo")"
        [ -z "$sin_texto" ] || fallar "$ruta names licenses without their text: $sin_texto"
        grep -qx 'License: GPL-3+' "$archivo" || fallar "$ruta does not name the GPL-3+"
        ;;
    changelog)
        gzip -dc "$archivo" | head -n 1 | grep -Eq '^pendra \([0-9][^ )]*-[0-9]+\) ' ||
            fallar "$ruta is not a compressed Debian changelog of pendra"
        ;;
    lintian)
        # Each line a comment or a tag of this package, with its reason above.
        grep -Ev '^(#|pendra: [a-z0-9-]+( |$))' "$archivo" &&
            fallar "$ruta holds lines that are not overrides of pendra's tags"
        awk '/^pendra:/ && prev !~ /^#/ { exit 1 } { prev = $0 }' "$archivo" ||
            fallar "$ruta overrides a tag without a comment that says why"
        ;;
    escritorio)
        exec_="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$archivo")"
        [ -x "$prefijo/bin/$exec_" ] || fallar "the menu entry starts '$exec_', which is not installed"
        grep -qx "Icon=$id" "$archivo" || fallar "the menu entry does not name the icon $id"
        ;;
    metainfo)
        grep -q "<id>$id</id>" "$archivo" || fallar "the metainfo's id is not $id"
        grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$archivo" ||
            fallar "the metainfo does not launch $id.desktop"
        grep -q '@[A-Z_]*@' "$archivo" && fallar "the metainfo was installed unconfigured"
        for binario in $(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$archivo"); do
            [ -x "$prefijo/bin/$binario" ] || fallar "the metainfo provides $binario, not installed"
        done
        ;;
    *) fallar "$ruta is installed but belongs nowhere (a test program or build leftover?)" ;;
    esac
done <<<"$instalados"

# The installed companion answers from where it was installed.
respuesta="$("$prefijo/bin/pendra-cli" "" 3 "" 4 "" 5)" || fallar "the installed pendra-cli failed"
grep -q '^  Lado 3: 5  (5)$' <<<"$respuesta" ||
    fallar "the installed pendra-cli answered 3, 4, 5 with: $respuesta"

if ((fallos)); then
    echo "--- installed files:" >&2
    (cd "$prefijo" && find . -type f | sort) >&2
    exit 1
fi
echo "installed: $(cd "$prefijo" && find . -type f | wc -l) files, each where it belongs"
