#!/usr/bin/env bash
# Builds Penvaro (installing what is missing) and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh build
exec build/src/app/penvaro "$@"
