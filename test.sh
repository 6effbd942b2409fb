#!/usr/bin/env bash
# Builds Penvaro (installing what is missing), runs every test, then runs the core tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc)

scripts/setup.sh build
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"

scripts/setup.sh build-asan -DPENVARO_SANITIZE=ON -DPENVARO_CORE_ONLY=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"
