#!/usr/bin/env bash
# Sets everything up, builds, and starts Pendra.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
compilar release
if [ -x "$raiz/build/release/app/pendra" ]; then
    exec "$raiz/build/release/app/pendra" "$@"
fi
echo
echo "Compilado. Pruebe: $raiz/build/release/cli/pendra-cli --json \"\" 3 \"\" 4 \"\" 5"
"$raiz/build/release/cli/pendra-cli" "" 3 "" 4 "" 5
