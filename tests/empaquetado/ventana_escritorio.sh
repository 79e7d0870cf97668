#!/usr/bin/env bash
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
limite=20

for herramienta in Xvfb xdotool xprop; do
    if ! command -v "$herramienta" >/dev/null; then
        echo "SKIP: $herramienta is not installed (scripts/setup.sh installs it)"
        exit 77
    fi
done

temporal="$(mktemp -d)"
pid_x=""
pid_pendra=""
terminar() {
    [ -z "$pid_pendra" ] || kill "$pid_pendra" 2>/dev/null || true
    if [ -n "$pid_x" ]; then
        kill "$pid_x" 2>/dev/null || true
        wait "$pid_x" 2>/dev/null || true
    fi
    rm -rf "$temporal"
}
trap terminar EXIT

esperar() {
    local que="$1"
    shift
    local fin=$((SECONDS + limite))
    until "$@" >/dev/null 2>&1; do
        if ((SECONDS >= fin)); then
            echo "FAIL: timed out waiting for $que" >&2
            tail -n 40 "$temporal/pendra.log" >&2 || true
            exit 1
        fi
        sleep 0.05
    done
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$temporal/pantalla" \
    >"$temporal/xvfb.log" 2>&1 &
pid_x=$!
esperar "the X server" test -s "$temporal/pantalla"
export DISPLAY=":$(head -n1 "$temporal/pantalla")"
unset QT_QPA_PLATFORM

"$pendra" >"$temporal/pendra.log" 2>&1 &
pid_pendra=$!
esperar "the input window" xdotool search --onlyvisible --name 'equipo de Pendra$'
ventana="$(xdotool search --onlyvisible --name 'equipo de Pendra$' | head -n1)"

# WM_CLASS holds the instance and the class: WM_CLASS = "pendra", "Pendra".
clase="$(xprop -id "$ventana" WM_CLASS | sed -n 's/.*= ".*", "\(.*\)"$/\1/p')"
esperada="$(sed -n 's/^StartupWMClass=//p' "$entrada")"
if [ -z "$clase" ] || [ "$clase" != "$esperada" ]; then
    echo "FAIL: the window's class is '$clase', the menu entry expects '$esperada'" >&2
    exit 1
fi
echo "window class $clase, as the menu entry expects"
