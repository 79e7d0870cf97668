#!/usr/bin/env bash
# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The screenshots in docs/capturas/ show the program as it is now: they are
# made again from this build and compared with the committed ones. After a
# change that shows on screen, remake them with scripts/capturas.sh.
#
#   capturas_al_dia.sh PENDRA DOCS_CAPTURAS
#
# Exits 77 (skipped) when the X or picture tools are missing, or when this
# machine draws text with other fonts than the committed pictures were: those
# differ in every label without any fault of the program.
set -euo pipefail

pendra="$1"
guardadas="$2"
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

command -v compare >/dev/null || {
    echo "SKIP: compare is not installed (scripts/setup.sh installs imagemagick)"
    exit 77
}
command -v fc-match >/dev/null || {
    echo "SKIP: fc-match is not installed (scripts/setup.sh installs fontconfig)"
    exit 77
}
[ -f "$guardadas/fuentes.txt" ] || {
    echo "FAIL: $guardadas/fuentes.txt is missing: run bash scripts/capturas.sh" >&2
    exit 1
}
if ! otras="$(diff "$guardadas/fuentes.txt" <(bash "$raiz/scripts/capturas.sh" --fuentes))"; then
    echo "SKIP: this machine draws text with other fonts than the committed screenshots"
    echo "(scripts/setup.sh installs those; < committed, > here):"
    echo "$otras"
    exit 77
fi
nuevas="$(mktemp -d)"
trap 'rm -rf "$nuevas"' EXIT
estado=0
bash "$raiz/scripts/capturas.sh" "$pendra" "$nuevas" || estado=$?
((estado == 0)) || exit "$estado"

fallos=0
for nueva in "$nuevas"/*.png; do
    nombre="$(basename "$nueva")"
    guardada="$guardadas/$nombre"
    if [ ! -f "$guardada" ]; then
        echo "FAIL: $nombre is new: it is not in $guardadas" >&2
        fallos=$((fallos + 1))
        continue
    fi
    medida_nueva="$(identify -format '%wx%h' "$nueva")"
    medida_guardada="$(identify -format '%wx%h' "$guardada")"
    if [ "$medida_nueva" != "$medida_guardada" ]; then
        echo "FAIL: $nombre is $medida_nueva now, $medida_guardada in $guardadas" >&2
        fallos=$((fallos + 1))
        continue
    fi
    # A changed text or line moves many pixels far; the fuzz only forgives
    # the slight shading differences of another font renderer.
    distintos="$(compare -metric AE -fuzz 10% "$nueva" "$guardada" null: 2>&1 || true)"
    if [ "$distintos" != "0" ]; then
        echo "FAIL: $nombre differs from the committed one in $distintos pixels" >&2
        fallos=$((fallos + 1))
    fi
done
for guardada in "$guardadas"/*.png; do
    # The page's picture comes from the web preset's browser test instead.
    [ "$(basename "$guardada")" = web.png ] && continue
    [ -f "$nuevas/$(basename "$guardada")" ] || {
        echo "FAIL: $(basename "$guardada") is no longer made by scripts/capturas.sh" >&2
        fallos=$((fallos + 1))
    }
done

if ((fallos)); then
    echo "The screenshots are out of date: run bash scripts/capturas.sh and commit docs/capturas." >&2
    exit 1
fi
echo "screenshots current: $(ls "$nuevas" | wc -l) pictures"
