#!/usr/bin/env bash
# Installs what the program needs, builds pendra and pendra-cli, and starts
# Pendra.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh" programa
compilar_programa
exec "$raiz/build/release/app/pendra" "$@"
