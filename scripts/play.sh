#!/usr/bin/env bash
# Installs what is missing, builds, and starts Velmora (extra arguments go to the program).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec build/src/app/velmora "$@"
