#!/usr/bin/env bash
# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a validator on a file: the validator must accept it without a word.
# Exits 77 (skipped) only when the validator itself is not installed.
#
#   validar.sh TOOL [ARGS...] FILE
set -uo pipefail

herramienta="$1"
if ! command -v "$herramienta" >/dev/null; then
    echo "SKIP: $herramienta is not installed (scripts/setup.sh installs it)"
    exit 77
fi
# appstreamcli marks its verdict with a UTF-8 sign and translates its words:
# read it in one known locale, whatever the caller's.
salida="$(LC_ALL=C.UTF-8 LANGUAGE= "$@" 2>&1)"
estado=$?
echo "$salida"
if [ "$estado" -ne 0 ]; then
    echo "FAIL: $herramienta rejected ${*: -1} (status $estado)" >&2
    exit 1
fi
# appstreamcli reports success in a line of its own; anything else is a
# complaint, even a warning that leaves the status at 0.
if grep -v -e '^✔ Validation was successful' -e '^$' <<<"$salida" | grep -q .; then
    echo "FAIL: $herramienta accepted ${*: -1} with remarks" >&2
    exit 1
fi
