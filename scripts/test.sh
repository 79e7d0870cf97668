#!/usr/bin/env bash
# Sets everything up, builds, and runs the whole test suite.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

cd "$raiz"
compilar release
ctest --preset release -j2

# A Debug build must answer every request bit for bit as the Release one does.
compilar debug -DPENDRA_CLI_REFERENCIA="$raiz/build/release/cli/pendra-cli"
ctest --preset debug -j2
