#!/usr/bin/env bash
# Builds Skyrig (installing what is missing) and runs the main job on the bundled sample project.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
build/release/src/cli/skyrig-cli plan examples/southzone
