#!/usr/bin/env bash
# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Remakes the screenshots in docs/capturas/ from the real pendra on a virtual
# X screen: the input window, the 3-4-5 triangle, with its context menu
# open, its properties and its working, both triangles of the ambiguous case side by side
# and a message box. Run it after any change that shows on screen, and commit
# the pictures with that change.
#
#   capturas.sh [PENDRA [DIRECTORY]]
#   capturas.sh --fuentes
#
# PENDRA defaults to build/release/app/pendra, DIRECTORY to docs/capturas.
# There is no window manager on the virtual screen, so the windows have no
# title bars; each picture frames them with a thin grey line instead.
# DIRECTORY also gets fuentes.txt: the fonts this machine drew the text with,
# which --fuentes prints.
set -euo pipefail

# The faces the windows ask for, and the one fontconfig gives everything else,
# as this machine resolves them.
fuentes() {
    local familia
    for familia in sans-serif 'sans-serif:italic' 'Liberation Sans' Arial; do
        echo "$familia: $(fc-match "$familia")"
    done
}
if [ "${1:-}" = --fuentes ]; then
    fuentes
    exit
fi

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
pendra="${1:-$raiz/build/release/app/pendra}"
destino="${2:-$raiz/docs/capturas}"
limite=20 # seconds to wait for anything to appear or go

# shellcheck source=pantalla_virtual.sh
source "$raiz/scripts/pantalla_virtual.sh"
requerir Xvfb xdotool import convert fc-match

[ -x "$pendra" ] || {
    echo "capturas.sh: no program at $pendra (build it first)" >&2
    exit 2
}
mkdir -p "$destino"
fuentes >"$destino/fuentes.txt"

ventanas() { xdotool search --onlyvisible --name "$1"; }

# A fixed resolution and font scale, so the pictures come out the same on any
# machine with the same fonts.
iniciar_pantalla 1280x800x24 -dpi 96
unset QT_SCREEN_SCALE_FACTORS QT_FONT_DPI QT_STYLE_OVERRIDE
export QT_AUTO_SCREEN_SCALE_FACTOR=0 LC_ALL=C.UTF-8

iniciar_pendra "$pendra"

titulo='equipo de Pendra$'
esperar "the input window" cuenta_es "$titulo" 1
entrada="$(ventanas "$titulo")"
xdotool windowmove --sync "$entrada" 40 40
xdotool windowfocus --sync "$entrada"

# Grabs one window as it is on the screen (nothing may cover it), once the
# program has finished drawing it: two grabs a moment apart must agree. PPM
# carries no time stamp, so equal pixels give equal files.
capturar() {
    local fin=$((SECONDS + limite))
    sleep 0.3
    import -window "$1" "$temporal/antes.ppm"
    for (( ; ; )); do
        sleep 0.3
        import -window "$1" "$temporal/ahora.ppm"
        cmp -s "$temporal/antes.ppm" "$temporal/ahora.ppm" && break
        ((SECONDS < fin)) || fallar "window $1 kept changing"
        mv "$temporal/ahora.ppm" "$temporal/antes.ppm"
    done
    convert "$temporal/ahora.ppm" "$2"
}

# A thin grey frame stands in for the missing title bar and border.
enmarcar() { convert "$1" -bordercolor '#8c8c8c' -border 1 "$2"; }

# Frames the windows and sets them side by side, tops aligned, with a gap and
# a margin of light grey.
lado_a_lado() {
    local salida="$1"
    shift
    local piezas=()
    for imagen in "$@"; do
        ((${#piezas[@]} == 0)) || piezas+=(-size 16x1 xc:'#f0f0f0')
        enmarcar "$imagen" "$imagen.marco.png"
        piezas+=("$imagen.marco.png")
    done
    convert -background '#f0f0f0' "${piezas[@]}" -gravity north +append \
        -bordercolor '#f0f0f0' -border 16 "$salida"
}

# Metadata with the time of the run would make each run's files differ.
guardar() { convert "$1" -strip -define png:exclude-chunks=date,time "$destino/$2"; }

# After side 3 come Borrar and Resolver. The focus ends on Resolver, so no
# text cursor blinks in the picture.
escribir_345
xdotool key Tab Tab
capturar "$entrada" "$temporal/entrada.png"
enmarcar "$temporal/entrada.png" "$temporal/entrada-marco.png"
guardar "$temporal/entrada-marco.png" entrada.png

xdotool key Return
esperar "the result window of 3, 4, 5" cuenta_es '^Resultado$' 1
resultado="$(ventanas '^Resultado$')"
xdotool windowmove --sync "$resultado" 480 40
capturar "$resultado" "$temporal/resultado.png"
enmarcar "$temporal/resultado.png" "$temporal/resultado-marco.png"
guardar "$temporal/resultado-marco.png" resultado-345.png

# The same window with its context menu open, opened by a right click in the
# picture; the menu is a window of its own, so the screen is cut to the window.
xdotool windowfocus --sync "$resultado"
xdotool mousemove --sync 490 60 click 3
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$resultado")"
capturar root "$temporal/pantalla.png"
convert "$temporal/pantalla.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage \
    "$temporal/menu.png"
enmarcar "$temporal/menu.png" "$temporal/menu-marco.png"
guardar "$temporal/menu-marco.png" resultado-menu.png
xdotool key Escape
xdotool mousemove 0 0

# Its properties, opened with Ctrl+I, beside it.
xdotool windowfocus --sync "$resultado"
xdotool key ctrl+i
esperar "the properties of 3, 4, 5" cuenta_es '^Propiedades del triángulo$' 1
propiedades="$(ventanas '^Propiedades del triángulo$')"
xdotool windowmove --sync "$propiedades" 820 40
capturar "$propiedades" "$temporal/propiedades.png"
enmarcar "$temporal/propiedades.png" "$temporal/propiedades-marco.png"
guardar "$temporal/propiedades-marco.png" propiedades-345.png
xdotool windowfocus --sync "$propiedades"
xdotool key Escape
esperar "the properties to close" cuenta_es '^Propiedades del triángulo$' 0

# Its working, opened with Ctrl+D, beside it.
xdotool windowfocus --sync "$resultado"
xdotool key ctrl+d
esperar "the working of 3, 4, 5" cuenta_es '^Procedimiento$' 1
procedimiento="$(ventanas '^Procedimiento$')"
xdotool windowmove --sync "$procedimiento" 40 360
capturar "$procedimiento" "$temporal/procedimiento.png"
enmarcar "$temporal/procedimiento.png" "$temporal/procedimiento-marco.png"
guardar "$temporal/procedimiento-marco.png" procedimiento-345.png
xdotool windowfocus --sync "$procedimiento"
xdotool key Escape
esperar "the working to close" cuenta_es '^Procedimiento$' 0

xdotool windowfocus --sync "$resultado"
xdotool key Escape
esperar "the result window to close" cuenta_es '^Resultado$' 0

# Angle 1 = 30, side 1 = 1.5, side 3 = 2: two triangles. Seven Shift+Tab
# lead back from Resolver to angle 1; a field reached by Tab has its text
# selected, so typing replaces it and BackSpace empties it.
a_angulo1=(shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab)
a_resolver=(Tab Tab Tab Tab Tab Tab Tab)
xdotool windowfocus --sync "$entrada"
xdotool key "${a_angulo1[@]}"
xdotool type 30
xdotool key Tab
xdotool type 1.5
xdotool key Tab Tab BackSpace Tab Tab
xdotool type 2
xdotool key Tab Tab Return
esperar "the two result windows of the ambiguous case" cuenta_es '^Resultado$' 2
mapfile -t ambiguos < <(ventanas '^Resultado$')
xdotool windowmove --sync "${ambiguos[0]}" 40 340
xdotool windowmove --sync "${ambiguos[1]}" 400 340
capturar "${ambiguos[0]}" "$temporal/ambiguo-1.png"
capturar "${ambiguos[1]}" "$temporal/ambiguo-2.png"
lado_a_lado "$temporal/ambiguo.png" "$temporal/ambiguo-1.png" "$temporal/ambiguo-2.png"
guardar "$temporal/ambiguo.png" ambiguo.png
for ventana in "${ambiguos[@]}"; do
    xdotool windowfocus --sync "$ventana"
    xdotool key Escape
done
esperar "the result windows to close" cuenta_es '^Resultado$' 0

# A negative angle 1 gets its message box; the input window beside it shows
# the text that caused it.
xdotool windowfocus --sync "$entrada"
xdotool key "${a_angulo1[@]}"
xdotool type -- -1
xdotool key "${a_resolver[@]}" Return
esperar "the box for a negative angle" cuenta_es '^Error en los datos$' 1
cuadro="$(ventanas '^Error en los datos$')"
xdotool windowmove --sync "$cuadro" 480 40
capturar "$entrada" "$temporal/mensaje-entrada.png"
capturar "$cuadro" "$temporal/mensaje-cuadro.png"
lado_a_lado "$temporal/mensaje.png" "$temporal/mensaje-entrada.png" "$temporal/mensaje-cuadro.png"
guardar "$temporal/mensaje.png" mensaje.png
xdotool windowfocus --sync "$cuadro"
xdotool key Return
esperar "the box to close" cuenta_es '^Error en los datos$' 0

xdotool windowfocus --sync "$entrada"
xdotool key alt+t
fin=$((SECONDS + limite))
while kill -0 "$pid_pendra" 2>/dev/null; do
    ((SECONDS < fin)) || fallar "pendra did not end after Alt+T"
    sleep 0.05
done
pid_pendra=""

echo "capturas.sh: entrada.png resultado-345.png resultado-menu.png propiedades-345.png procedimiento-345.png ambiguo.png mensaje.png fuentes.txt in $destino"
