#!/usr/bin/env bash
# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts the real pendra under a window manager (openbox) on a virtual X
# screen, asks for the two triangles of 30, 1.5, -, -, -, 2 as a person would,
# and checks that no window's frame (title bar and borders included) covers
# another's.
#
#   marcos_en_openbox.sh PATH_TO_PENDRA
#
# Exits 77 (skipped) only when the X tools or openbox are missing.
set -euo pipefail

pendra="$1"
limite=20

# shellcheck source=../../scripts/pantalla_virtual.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/pantalla_virtual.sh"
requerir Xvfb xdotool xprop openbox

iniciar_pantalla 1280x1024x24
# Openbox runs its start-up command once it has taken over the screen.
openbox --config-file /dev/null --startup "touch $temporal/openbox-listo" \
    >"$temporal/openbox.log" 2>&1 &
pid_wm=$!
trap 'kill "$pid_wm" 2>/dev/null || true; terminar' EXIT
esperar "openbox" test -e "$temporal/openbox-listo"

iniciar_pendra "$pendra"
titulo='equipo de Pendra$'
esperar "the input window" cuenta_es "$titulo" 1
ventana="$(xdotool search --onlyvisible --name "$titulo")"
xdotool windowactivate --sync "$ventana"
xdotool type 30
xdotool key Tab
xdotool type 1.5
xdotool key Tab Tab Tab Tab
xdotool type 2
xdotool key Return
esperar "the two result windows" cuenta_es '^Resultado$' 2

# A window's frame: its client area and the extents the window manager
# reports for it.
marco() {
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    local l r t b
    read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | grep -o '[0-9]*, [0-9]*, [0-9]*, [0-9]*' | tr -d ,)
    echo "$((X - l)) $((Y - t)) $((X + WIDTH + r)) $((Y + HEIGHT + b))"
}
mapfile -t ventanas < <(echo "$ventana"; xdotool search --onlyvisible --name '^Resultado$')

# The layout is read once it has settled: the same frames, each with its
# extents, over a second and a half (pendra may still be placing a window
# again once the window manager has told it the frames).
marcos() {
    local v
    for v in "${ventanas[@]}"; do marco "$v"; done
}
anterior=""
quieto=0
fin=$((SECONDS + limite))
while ((quieto < 6)); do
    ((SECONDS < fin)) || fallar "the windows did not stay still for $limite seconds"
    sleep 0.25
    actual="$(marcos 2>/dev/null || true)"
    if [ -n "$actual" ] && [ "$actual" = "$anterior" ]; then
        quieto=$((quieto + 1))
    else
        quieto=0
    fi
    anterior="$actual"
done

for ((i = 0; i < ${#ventanas[@]}; i++)); do
    echo "window $i: frame $(marco "${ventanas[i]}")"
done
sin_solapes marco "the frames of windows" "${ventanas[@]}"
echo "PASS: no frame covers another"
