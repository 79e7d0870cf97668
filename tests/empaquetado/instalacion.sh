#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks what lands there: the
# programs, the manual page and, with the windowed program, the menu entry,
# the icons and the metainfo, all named after the desktop id and pointing at
# each other. Nothing else may be installed.
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

# Every file the install must hold, and what it must be.
esperados="bin/pendra-cli programa
share/man/man1/pendra-cli.1.gz manual"
if [ -n "$id" ]; then
    esperados+="
bin/pendra programa
share/applications/$id.desktop escritorio
share/metainfo/$id.metainfo.xml metainfo
share/icons/hicolor/16x16/apps/$id.png png-16
share/icons/hicolor/32x32/apps/$id.png png-32
share/icons/hicolor/48x48/apps/$id.png png-48
share/icons/hicolor/256x256/apps/$id.png png-256
share/icons/hicolor/scalable/apps/$id.svg svg"
fi

while read -r ruta tipo; do
    archivo="$prefijo/$ruta"
    if [ ! -f "$archivo" ]; then
        fallar "$ruta was not installed"
        continue
    fi
    case "$tipo" in
    programa)
        [ -x "$archivo" ] || fallar "$ruta is not executable"
        # A search path in an installed program is a leftover of the build tree.
        if command -v readelf >/dev/null && readelf -d "$archivo" | grep -Eq 'RPATH|RUNPATH'; then
            fallar "$ruta carries a library search path"
        fi
        ;;
    manual)
        gzip -dc "$archivo" | grep -q '^\.TH PENDRA-CLI 1 ' ||
            fallar "$ruta is not the compressed manual page of pendra-cli"
        ;;
    png-*)
        lado="${tipo#png-}"
        [ "$(medidas_png "$archivo")" = "${lado}x${lado}" ] ||
            fallar "$ruta is $(medidas_png "$archivo"), not ${lado}x${lado}"
        ;;
    svg)
        grep -q '<svg' "$archivo" || fallar "$ruta is not an SVG picture"
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
    esac
done <<<"$esperados"

# Nothing beyond the list: no test program or build leftover.
sobrantes="$(cd "$prefijo" && find . -type f | sed 's|^\./||' | sort |
    comm -23 - <(cut -d' ' -f1 <<<"$esperados" | sort))"
[ -z "$sobrantes" ] || fallar "installed but not expected: $sobrantes"

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
