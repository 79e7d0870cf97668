#!/usr/bin/env bash
# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts the real pendra on a virtual X screen and uses it as a person would:
# keys typed into the input window, windows watched as they come and go.
#
#   pendra_en_xvfb.sh PATH_TO_PENDRA
#
# Exits 77 (skipped) only when the X tools themselves are missing.
set -euo pipefail

pendra="$1"
limite=20 # seconds to wait for anything to appear or go

# shellcheck source=../../scripts/pantalla_virtual.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/pantalla_virtual.sh"
requerir Xvfb xdotool xprop xclip

iniciar_pantalla 1024x768x24

# In a sanitizer build the exit status also tells of leaks: ours, not D-Bus's.
LSAN_OPTIONS="suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export LSAN_OPTIONS

iniciar_pendra "$pendra"

titulo='equipo de Pendra$'
esperar "the input window" cuenta_es "$titulo" 1
ventana="$(xdotool search --onlyvisible --name "$titulo")"
# The title bar's sizes, and not the 256 px one: that belongs to the theme.
tiene_icono() {
    local tamanos
    tamanos="$(xprop -id "$ventana" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort | tr '\n' ' ')"
    [ "$tamanos" = "Icon (16 x 16) Icon (32 x 32) Icon (48 x 48) " ]
}
esperar "the 16, 32 and 48 px icons of the input window" tiene_icono

# There is no window manager: give the window the keyboard ourselves.
xdotool windowfocus --sync "$ventana"

escribir_345
xdotool key Return

esperar "the result window of 3, 4, 5" cuenta_es '^Resultado$' 1
cuenta_es '^(Error en los datos|Datos inválidos)$' 0 || fallar "a message box appeared for 3, 4, 5"
cuenta_es "$titulo" 1 || fallar "the input window did not stay"

# Escape closes the result window, and only it.
resultado="$(xdotool search --onlyvisible --name '^Resultado$')"
xdotool windowfocus --sync "$resultado"
xdotool key Escape
esperar "Escape to close the result window" cuenta_es '^Resultado$' 0
cuenta_es "$titulo" 1 || fallar "Escape in the result window closed the input window"

# Angle 1 = 30, side 1 = 1.5, side 3 = 2: two triangles, two windows. The
# focus is still in side 3; a field reached by Tab has its text selected, so
# typing replaces it and BackSpace empties it.
xdotool windowfocus --sync "$ventana"
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
xdotool type 30
xdotool key Tab
xdotool type 1.5
xdotool key Tab Tab BackSpace Tab Tab
xdotool type 2
xdotool key Return
esperar "the two result windows of the ambiguous case" cuenta_es '^Resultado$' 2
cuenta_es '^(Error en los datos|Datos inválidos)$' 0 ||
    fallar "a message box appeared for the ambiguous case"
# Side by side: neither window covers the other or the input window.
rectangulo() {
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    echo "$X $Y $((X + WIDTH)) $((Y + HEIGHT))"
}
mapfile -t ventanas < <(echo "$ventana"; xdotool search --onlyvisible --name '^Resultado$')
sin_solapes rectangulo "windows of the ambiguous case" "${ventanas[@]}"

# Escape in the second closes it alone; the first stays for what follows.
segundo="$(xdotool search --onlyvisible --name '^Resultado$' | tail -n1)"
xdotool windowfocus --sync "$segundo"
xdotool key Escape
esperar "Escape to close one of the two" cuenta_es '^Resultado$' 1
cuenta_es "$titulo" 1 || fallar "Escape in a result window closed the input window"

# A negative angle 1: the message box, then the focus back in that field with
# its text selected (Ctrl+C copies exactly the selection).
xdotool windowfocus --sync "$ventana"
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
xdotool type -- -1
xdotool key Return
esperar "the box for a negative angle" cuenta_es '^Error en los datos$' 1
cuadro="$(xdotool search --onlyvisible --name '^Error en los datos$')"
xdotool windowfocus --sync "$cuadro"
xdotool key Return
esperar "the box to close" cuenta_es '^Error en los datos$' 0

xdotool windowfocus --sync "$ventana"
xdotool key ctrl+c
esperar "the selected angle 1 on the clipboard" \
    bash -c '[ "$(xclip -o -selection clipboard)" = "-1" ]'
cuenta_es '^Resultado$' 1 || fallar "the rejected request opened a result window"

# Alt+T ends the program at once, result window and all.
xdotool key alt+t
fin=$((SECONDS + limite))
while kill -0 "$pid_pendra" 2>/dev/null; do
    ((SECONDS < fin)) || fallar "pendra did not end after Alt+T"
    sleep 0.05
done
estado=0
wait "$pid_pendra" || estado=$?
pid_pendra=""
[ "$estado" -eq 0 ] || fallar "pendra ended with status $estado"
cuenta_es 'Pendra|Resultado' 0 || fallar "windows left on the screen after Alt+T"

echo "pendra en Xvfb: ventana, resultado, mensaje y Terminar correctos"
