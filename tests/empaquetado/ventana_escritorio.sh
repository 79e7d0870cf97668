#!/usr/bin/env bash
# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts pendra on a virtual X screen and checks that its window carries the
# class the menu entry names in StartupWMClass: task bars match the two to
# give the window the menu entry's name and icon.
#
#   ventana_escritorio.sh PENDRA DESKTOP_ENTRY
#
# Exits 77 (skipped) only when the X tools themselves are missing.
set -euo pipefail

pendra="$1"
entrada="$2"

# shellcheck source=../../scripts/pantalla_virtual.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/pantalla_virtual.sh"
requerir Xvfb xdotool xprop

iniciar_pantalla 1024x768x24
iniciar_pendra "$pendra"
esperar "the input window" xdotool search --onlyvisible --name 'equipo de Pendra$'
ventana="$(xdotool search --onlyvisible --name 'equipo de Pendra$' | head -n1)"

# WM_CLASS holds the instance and the class: WM_CLASS = "pendra", "Pendra".
clase="$(xprop -id "$ventana" WM_CLASS | sed -n 's/.*= ".*", "\(.*\)"$/\1/p')"
esperada="$(sed -n 's/^StartupWMClass=//p' "$entrada")"
if [ -z "$clase" ] || [ "$clase" != "$esperada" ]; then
    fallar "the window's class is '$clase', the menu entry expects '$esperada'"
fi
echo "window class $clase, as the menu entry expects"
