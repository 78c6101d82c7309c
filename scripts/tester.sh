#!/usr/bin/env bash
# Installs what is missing, checks the format of the code, builds, and runs the whole test suite through CTest;
# then the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer; then runs each fuzz target
# for 30 s; then builds and checks the Debian package.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/scripts/dependances.sh"
"$racine/scripts/verifier_format.sh"

"$racine/scripts/construire.sh" ordinaire
ctest --test-dir "$racine/build" --output-on-failure

"$racine/scripts/construire.sh" sanitiseurs
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$racine/build-sanitiseurs" --output-on-failure

"$racine/tools/fuzz.sh" 30

"$racine/scripts/verifier_paquet.sh"
