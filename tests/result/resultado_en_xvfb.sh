#!/usr/bin/env bash
# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Takes the triangle out of a result window of the real pendra on a virtual X
# screen, as a person would, under a Spanish locale: Ctrl+C to the clipboard
# (numbers with a decimal comma, as text and as an HTML table), Ctrl+S through the save
# dialog to an SVG and a PDF file, and the context menu from the Menu key.
#
#   resultado_en_xvfb.sh PATH_TO_PENDRA
#
# Exits 77 (skipped) only when the X tools themselves are missing.
set -euo pipefail

pendra="$1"
limite=20 # seconds to wait for anything to appear or go

# shellcheck source=../../scripts/pantalla_virtual.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/pantalla_virtual.sh"
requerir Xvfb xdotool xclip

iniciar_pantalla 1024x768x24
# The save dialog starts in the home folder: a scratch one.
export HOME="$temporal/casa"
mkdir -p "$HOME"

# A Spanish user: the copied numbers must carry a decimal comma.
export LANG=es_ES.UTF-8 LC_ALL=es_ES.UTF-8
iniciar_pendra "$pendra"

titulo='equipo de Pendra$'
esperar "the input window" cuenta_es "$titulo" 1
entrada="$(xdotool search --onlyvisible --name "$titulo")"
xdotool windowfocus --sync "$entrada"
escribir_345
xdotool key Return
esperar "the result window of 3, 4, 5" cuenta_es '^Resultado$' 1
resultado="$(xdotool search --onlyvisible --name '^Resultado$')"

portapapeles() { xclip -o -selection clipboard "$@" 2>/dev/null; }
# Read whole before searching, so no early exit of grep breaks the pipe.
tiene_medidas() { portapapeles | grep $'^Ángulo 1 (grados)\t36,869' >/dev/null; }
tiene_tipo() { portapapeles -t TARGETS | grep -x "$1" >/dev/null; }

xdotool windowfocus --sync "$resultado"
xdotool key ctrl+c
esperar "the measures on the clipboard" tiene_medidas
tiene_tipo image/png || fallar "no image on the clipboard"
portapapeles -t text/html | grep '<td>36,869' >/dev/null || fallar "no HTML table on the clipboard"
tiene_tipo image/svg+xml || fallar "no SVG on the clipboard"
portapapeles -t image/png >"$temporal/imagen.png" || fallar "the clipboard's image cannot be read"
[ "$(head -c 4 "$temporal/imagen.png" | tail -c 3)" = PNG ] || fallar "the clipboard's image is no PNG"

# The Menu key opens the menu; C, its access key, copies again.
printf 'nada' | xclip -selection clipboard
esperar "the clipboard to be emptied" bash -c '[ "$(xclip -o -selection clipboard)" = nada ]'
xdotool windowfocus --sync "$resultado"
xdotool key Menu
sleep 0.5
xdotool key c
esperar "Copiar from the context menu" tiene_medidas

# Saves through the dialog: the file name field has the focus.
guardar() {
    local ruta="$1"
    xdotool windowfocus --sync "$resultado"
    xdotool key ctrl+s
    esperar "the save dialog" cuenta_es '^Guardar el tri' 1
    xdotool windowfocus --sync "$(xdotool search --onlyvisible --name '^Guardar el tri')"
    xdotool key ctrl+a
    xdotool type "$ruta"
    xdotool key Return
    esperar "the save dialog to close" cuenta_es '^Guardar el tri' 0
    esperar "the file $ruta" test -s "$ruta"
}

guardar "$HOME/dibujo.svg"
grep -q '<svg' "$HOME/dibujo.svg" || fallar "dibujo.svg is no SVG"
grep -q '>36.869</text>' "$HOME/dibujo.svg" || fallar "dibujo.svg lacks the label 36.869 as text"

guardar "$HOME/dibujo.pdf"
[ "$(head -c 5 "$HOME/dibujo.pdf")" = "%PDF-" ] || fallar "dibujo.pdf is no PDF"
tail -c 16 "$HOME/dibujo.pdf" | grep -q '%%EOF' || fallar "dibujo.pdf is not complete"

# Nothing else in the folder: no temporary file left behind.
[ "$(find "$HOME" -maxdepth 1 -type f | wc -l)" -eq 2 ] || fallar "files left: $(ls -a "$HOME")"

echo "resultado en Xvfb: copiar, menú y guardar como SVG y PDF correctos"
