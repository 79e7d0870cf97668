#!/usr/bin/env bash
# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what the program needs, builds pendra and pendra-cli, and starts
# Pendra.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh" programa
compilar_programa
exec "$raiz/build/release/app/pendra" "$@"
