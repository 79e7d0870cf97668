#!/usr/bin/env bash
# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Times pendra's start-up against the bare dialog on a private Xvfb screen
# with no window manager, and prints the ratio of the medians.
#
#   bench/arranque.sh BUILD_DIR [benchmark options...] [NAME=PROGRAM...]
#
# Without options each program is started 60 times, all interleaved at
# random, and only the aggregates are reported.
set -euo pipefail

construccion="${1:?usage: bench/arranque.sh BUILD_DIR [benchmark options...]}"
shift
programa="$construccion/bench/pendra-bench-arranque"
[ -x "$programa" ] || {
    echo "$programa not built (it needs Xlib: libx11-dev)" >&2
    exit 1
}
command -v Xvfb >/dev/null || {
    echo "Xvfb is not installed (scripts/setup.sh installs it)" >&2
    exit 1
}

# shellcheck source=../scripts/pantalla_virtual.sh
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/pantalla_virtual.sh"
iniciar_pantalla 1280x1024x24

# Programs named as NAME=PROGRAM alone keep the default repetitions.
opciones_propias=false
for argumento in "$@"; do
    [[ "$argumento" == --* ]] && opciones_propias=true
done
if ! $opciones_propias; then
    set -- --benchmark_repetitions=60 --benchmark_enable_random_interleaving=true \
        --benchmark_report_aggregates_only=true "$@"
fi
QT_QPA_PLATFORM=xcb "$programa" "$@"
