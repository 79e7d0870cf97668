#!/usr/bin/env bash
# Sets everything up, builds, and runs the whole test suite.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

compilar release
ctest --preset release -j2

# The same inputs must give bit-identical results in a Debug build.
compilar debug
ctest --preset debug -j2
