#!/usr/bin/env bash
# Sets everything up, builds, and runs the whole test suite.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

cd "$raiz"
compilar release
ctest --preset release -j2

# The Debian package of the release build: made, unpacked and tried.
bash "$raiz/scripts/empaquetar.sh" "$raiz/build/release"

# A Debug build must answer every request bit for bit as the Release one does.
compilar debug -DPENDRA_CLI_REFERENCIA="$raiz/build/release/cli/pendra-cli"
ctest --preset debug -j2

# Everything again under AddressSanitizer and UndefinedBehaviorSanitizer, leak
# checking included; any report stops the test that made it.
compilar asan
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}" \
    ctest --preset asan -j2
