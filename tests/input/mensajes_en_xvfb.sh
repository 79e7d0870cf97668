#!/usr/bin/env bash
# The input window's message boxes on a virtual X screen, through the window
# tests: Qt's own button texts read Spanish with the theme Qt picks on a bare
# X screen and with the GTK theme of GNOME desktops, which has texts of its own.
#
#   mensajes_en_xvfb.sh PATH_TO_TST_FRMPRINCIPAL
#
# Exits 77 (skipped) only when the X tools themselves are missing.
set -euo pipefail

pruebas="$1"

# shellcheck source=../../scripts/pantalla_virtual.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/pantalla_virtual.sh"
requerir Xvfb

iniciar_pantalla 1024x768x24

for tema in "" gtk3; do
    QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME="$tema" "$pruebas" \
        the_message_box_button_is_spanish_where_qt_s_translation_is_installed ||
        fallar "the message box's button with the ${tema:-default} theme"
done
