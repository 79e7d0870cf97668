#!/usr/bin/env bash
# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The virtual screen the X tests share must not reset when its last client
# leaves: a program connecting during a reset is turned away, and a test that
# polls for windows while pendra starts leaves that way often enough.
#
# Exits 77 (skipped) only when the X tools themselves are missing.
set -euo pipefail

# shellcheck source=../../scripts/pantalla_virtual.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/pantalla_virtual.sh"
requerir Xvfb xprop

iniciar_pantalla 640x480x24
[ "$DISPLAY" != ":0" ] || fallar "the test screen took :0, a desktop's display"

# A reset clears the root window's properties: one client sets a property and
# leaves, the next must still find it.
xprop -root -f PENDRA_PRUEBA 8s -set PENDRA_PRUEBA presente
valor="$(xprop -root PENDRA_PRUEBA)"
[ "$valor" = 'PENDRA_PRUEBA(STRING) = "presente"' ] ||
    fallar "the screen reset when its only client left: $valor"
echo "screen $DISPLAY kept its state after its last client left"
