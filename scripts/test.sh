#!/usr/bin/env bash
# Sets everything up, then builds and tests each preset through its workflow
# (CMakePresets.json): release, with the Debian package made and checked;
# debug, whose pendra-cli must answer every request bit for bit as the
# release one does; asan, everything again under AddressSanitizer and
# UndefinedBehaviorSanitizer. A workflow holds one build tree, hence three.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

cd "$raiz"
for preset in release debug asan; do
    cmake --workflow --preset "$preset"
done
