#!/usr/bin/env bash
# Builds the libFuzzer harnesses (preset "fuzz", clang-14, build/fuzz) and runs each for a
# bounded time: scripts/fuzz.sh [SECONDS_EACH] [FUZZER...]. New inputs go to
# build/fuzz/corpus/NAME (the seeds in fuzz/corpus stay as they are); a finding is written to
# build/fuzz/findings/ and fails the script. Copy a finding into fuzz/regressions/NAME once it
# is mended: the replay tests of every build run it from then on.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages clang-14 libclang-rt-14-dev cmake make
use_ccache

seconds="${1:-20}"
shift || true
fuzzers=("$@")
[ ${#fuzzers[@]} -gt 0 ] || fuzzers=(raster landings cableway resultsfile linksale script projectfile)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"

mkdir -p build/fuzz/findings
failed=0
for name in "${fuzzers[@]}"; do
  mkdir -p "build/fuzz/corpus/$name"
  echo "fuzz: $name for $seconds s"
  if ! ASAN_OPTIONS=detect_leaks=1 build/fuzz/fuzz/fuzz_"$name" -max_total_time="$seconds" \
      -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
      -artifact_prefix="build/fuzz/findings/$name-" \
      "build/fuzz/corpus/$name" "fuzz/corpus/$name" > "build/fuzz/$name.log" 2>&1; then
    echo "fuzz: $name found a fault:"; tail -40 "build/fuzz/$name.log"; failed=1
  fi
  grep -E '^stat::number_of_executed_units|^#[0-9]+[[:space:]]+DONE' "build/fuzz/$name.log" | tail -2 || true
done
exit $failed
