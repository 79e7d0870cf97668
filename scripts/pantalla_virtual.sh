# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# shellcheck shell=bash
# Sourced, not run: what the scripts that drive pendra, or time it, on a
# private Xvfb screen share. The script may set `limite` (seconds to wait for
# anything, 20 unless set); everything started here is stopped, and the
# scratch folder removed, when the script exits.

# Exits 77 (skipped) when an X tool is missing, with the names of those.
requerir() {
    local herramienta
    for herramienta in "$@"; do
        if ! command -v "$herramienta" >/dev/null; then
            echo "SKIP: $herramienta is not installed (scripts/setup.sh installs it)"
            exit 77
        fi
    done
}

temporal="$(mktemp -d)"
pid_x=""
pid_pendra=""
terminar() {
    [ -z "$pid_pendra" ] || kill "$pid_pendra" 2>/dev/null || true
    # Wait for the server to be gone: one shutting down still removes its
    # socket, which could belong to the next server on that display by then.
    if [ -n "$pid_x" ]; then
        kill "$pid_x" 2>/dev/null || true
        wait "$pid_x" 2>/dev/null || true
    fi
    rm -rf "$temporal"
}
trap terminar EXIT

# Says what failed, what pendra wrote, and keeps what the screen showed.
fallar() {
    echo "FAIL: $*" >&2
    if [ -s "$temporal/pendra.log" ]; then
        echo "--- what pendra wrote:" >&2
        tail -n 60 "$temporal/pendra.log" >&2
    fi
    if [ -s "$temporal/xvfb.log" ]; then
        echo "--- what the X server wrote:" >&2
        tail -n 20 "$temporal/xvfb.log" >&2
    fi
    local imagen
    imagen="${TMPDIR:-/tmp}/$(basename "$0" .sh)_fallo.png"
    # Only our own screen: before it starts, DISPLAY may be the user's desktop.
    if [ -n "$pid_x" ] && command -v import >/dev/null &&
        import -window root "$imagen" 2>/dev/null; then
        echo "screen saved in $imagen" >&2
    fi
    exit 1
}

# Runs the command until it succeeds, for at most $limite seconds.
esperar() {
    local que="$1"
    shift
    local fin=$((SECONDS + ${limite:-20}))
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < fin)) || fallar "timed out waiting for $que"
        sleep 0.05
    done
}

visibles() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }
cuenta_es() { [ "$(visibles "$1")" -eq "$2" ]; }

# Starts Xvfb with the screen WIDTHxHEIGHTxDEPTH and any further options of
# its own, and points DISPLAY at it. The display number is drawn from a high
# range, away from a desktop's :0 and from other scripts started at the same
# moment; the server's lock decides if two draw the same number. A server
# counts as started once a client gets an answer from it; one that will not
# answer gives way to another on a new number. No reset when the last client
# leaves: a server resetting turns away whoever connects in that moment.
iniciar_pantalla() {
    local pantalla="$1" numero fin
    shift
    for _ in 1 2 3 4 5; do
        numero=$((200 + RANDOM % 800))
        : >"$temporal/pantalla"
        Xvfb ":$numero" -displayfd 3 -screen 0 "$pantalla" "$@" -nolisten tcp -noreset \
            3>"$temporal/pantalla" >"$temporal/xvfb.log" 2>&1 &
        pid_x=$!
        # It writes its number when ready, and stops if the number is taken.
        fin=$((SECONDS + ${limite:-20}))
        while [ ! -s "$temporal/pantalla" ] && kill -0 "$pid_x" 2>/dev/null &&
            ((SECONDS < fin)); do
            sleep 0.05
        done
        if [ -s "$temporal/pantalla" ] && responde ":$numero"; then
            DISPLAY=":$numero"
            export DISPLAY
            unset QT_QPA_PLATFORM QT_SCALE_FACTOR
            return 0
        fi
        kill "$pid_x" 2>/dev/null || true
        wait "$pid_x" 2>/dev/null || true
        pid_x=""
    done
    fallar "no X server would start and answer"
}

# Whether the X server on that display answers a client.
responde() {
    command -v xprop >/dev/null || return 0
    DISPLAY="$1" xprop -root -len 1 >/dev/null 2>&1
}

# Starts pendra on that screen, its output kept for failure reports.
iniciar_pendra() {
    "$1" >"$temporal/pendra.log" 2>&1 &
    pid_pendra=$!
}

# Types the sides 3, 4 and 5 into the focused input window, its focus in
# angle 1: the sides are the second, fourth and sixth fields in tab order.
escribir_345() {
    xdotool key Tab
    xdotool type 3
    xdotool key Tab Tab
    xdotool type 4
    xdotool key Tab Tab
    xdotool type 5
}

# Fails unless no two of the windows overlap, each measured by the function
# `medir` (which prints "left top right bottom"):
#   sin_solapes medir "what the windows are" ID...
sin_solapes() {
    local medir="$1" que="$2"
    shift 2
    local ventanas=("$@") i j ax ay bx by cx cy dx dy
    for ((i = 0; i < ${#ventanas[@]}; i++)); do
        for ((j = i + 1; j < ${#ventanas[@]}; j++)); do
            read -r ax ay bx by < <("$medir" "${ventanas[i]}")
            read -r cx cy dx dy < <("$medir" "${ventanas[j]}")
            if ((ax < dx && cx < bx && ay < dy && cy < by)); then
                fallar "$que $i and $j overlap"
            fi
        done
    done
}
