#!/usr/bin/env bash
# Builds the core, the CLI, the PNG canvas and their tests with AddressSanitizer and
# UndefinedBehaviorSanitizer (preset "asan", clang-14, build/asan) and runs those tests.
# Any finding fails its test. The desktop application's tests stay out (Qt Widgets itself is
# not built with the sanitizers); the release build runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages clang-14 libclang-rt-14-dev cmake make libgtest-dev qt6-base-dev libgl-dev \
  nlohmann-json3-dev libcli11-dev
use_ccache

cmake --preset asan >/dev/null
cmake --build --preset asan -j"$(nproc)"
ctest --preset asan -j"$(nproc)"
