#!/usr/bin/env bash
# Builds Skyrig (installing what is missing) and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
QT_QPA_PLATFORM=offscreen ctest --preset release -j"$(nproc)"
