#!/usr/bin/env bash
# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The manual page of a program (pendra or pendra-cli): it formats without a
# warning, names every option the program's own help names and the same
# version, and each of its examples runs and succeeds.
#
#   manual.sh PAGE PROGRAM
set -euo pipefail

pagina="$1"
cli="$2"

if ! command -v groff >/dev/null; then
    echo "SKIP: groff is not installed (scripts/setup.sh installs it)"
    exit 77
fi

fallos=0
fallar() {
    echo "FAIL: $*" >&2
    fallos=$((fallos + 1))
}

# -k reads the page's coding line as man does; -ww asks for every warning.
avisos="$(groff -k -man -Tutf8 -ww -z "$pagina" 2>&1)"
[ -z "$avisos" ] || fallar "groff warns about the page: $avisos"

# The page writes a hyphen in an option as \-.
texto="$(sed 's/\\-/-/g' "$pagina")"
for opcion in $("$cli" --help | grep -Eo -- '(^|[ [])--?[a-z]+' | tr -d ' [' | sort -u); do
    grep -q -- "$opcion" <<<"$texto" || fallar "the page does not mention $opcion"
done

version="$("$cli" --version | awk '{ print $2 }')"
nombre="$(basename "$cli")"
grep -q "^\.TH ${nombre^^} 1 \"[^\"]*\" \"Pendra $version\"" "$pagina" ||
    fallar "the page's title line does not say Pendra $version"

# The examples: the indented lines between .nf and .fi of the EJEMPLOS
# section, with the page's escapes undone.
ejemplos="$(sed -n '/^\.SH EJEMPLOS/,/^\.SH /p' "$pagina" | sed -n '/^\.nf/,/^\.fi/p' |
    grep -v '^\.' | sed -e 's/\\-/-/g' -e 's/\\e/\\/g')"
[ -n "$ejemplos" ] || fallar "no examples found in the page"
directorio="$(dirname "$cli")"
while IFS= read -r ejemplo; do
    salida="$(PATH="$directorio:$PATH" bash -c "$ejemplo" 2>&1)" ||
        fallar "the example '$ejemplo' failed: $salida"
    [ -n "$salida" ] || fallar "the example '$ejemplo' printed nothing"
done <<<"$ejemplos"

((fallos == 0)) || exit 1
echo "manual page: formats cleanly, $(wc -l <<<"$ejemplos") examples run"
