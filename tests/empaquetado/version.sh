#!/usr/bin/env bash
# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The version written once in project() reaches every place that shows it;
# pendra answers --version and --help on standard output without a display,
# and without one it says so in one line and fails.
#
#   version.sh VERSION PENDRA_CLI MANUAL [PENDRA METAINFO]
set -uo pipefail

version="$1"
fallos=0
fallar() {
    echo "FAIL: $*" >&2
    fallos=$((fallos + 1))
}
dice() { [ "$2" = "$version" ] || fallar "$1 says '$2', the project $version"; }

dice "pendra-cli --version" "$("$2" --version | sed 's/^pendra-cli //')"
dice "the manual page" "$(sed -n 's/^\.TH .* "Pendra \([^"]*\)".*/\1/p' "$3")"
if (($# > 3)); then
    sin_pantalla=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
    dice "pendra --version" "$("${sin_pantalla[@]}" "$4" --version | sed 's/^Pendra //')"
    dice "the metainfo" "$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$5" | head -n1)"

    ayuda="$("${sin_pantalla[@]}" "$4" --help)" || fallar "pendra --help failed"
    grep -q '^Uso: pendra' <<<"$ayuda" || fallar "pendra --help wrote: $ayuda"
    aviso="$("${sin_pantalla[@]}" "$4" 2>&1 >/dev/null)"
    estado=$?
    ((estado == 1)) || fallar "without a display pendra ended with status $estado"
    [ "$(wc -l <<<"$aviso")" = 1 ] && grep -q '^pendra: .*pantalla' <<<"$aviso" ||
        fallar "without a display pendra wrote: $aviso"
fi

((fallos == 0)) || exit 1
echo "version $version everywhere; pendra answers without a display"
