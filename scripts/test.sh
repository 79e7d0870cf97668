#!/usr/bin/env bash
# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets everything up, then builds and tests each preset through its workflow
# (CMakePresets.json): release, with the Debian package made and checked;
# debug, whose pendra-cli must answer every request bit for bit as the
# release one does; asan, everything again under AddressSanitizer and
# UndefinedBehaviorSanitizer; windows, pendra-cli.exe and the core's tests
# cross-built with mingw-w64 and run under Wine, its answers compared byte
# for byte with the release build's (Wine keeps its prefix in build/windows,
# so nothing outside the clone is needed, not even a display); web, the page
# built with emscripten, whose node pendra-cli.mjs must answer as the release
# pendra-cli does and which is used in headless Chromium. A workflow holds one
# build tree, hence five.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

preparar_locale
cd "$raiz"
for preset in release debug asan windows; do
    cmake --workflow --preset "$preset"
done
instalar_web
cmake --workflow --preset web
