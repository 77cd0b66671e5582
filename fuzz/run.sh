#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined-behaviour
# sanitizers on) and runs each for a given time on seeds made from the
# project's generated fixtures.
# usage: fuzz/run.sh [SECONDS_PER_TARGET] [TARGET...]
#   targets: pdf-engine sheet ui-archive regex (default: all)
# Findings (crash-*, timeout-*, leak-*, oom-*) land in build-fuzz/findings/TARGET/;
# the grown corpus stays in build-fuzz/corpus/TARGET/ for the next run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(pdf-engine sheet ui-archive regex)

if [ "$(id -u)" -eq 0 ]; then bash tools/setup-debian.sh --fuzz; else sudo bash tools/setup-debian.sh --fuzz; fi

# The seeds come from the ordinary build's fixtures and sample data.
bash tools/build.sh build
cmake --build build --target pdf-fixtures sample-data ui-archive-file
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DQUILLMOOR_FUZZ=ON -DBUILD_TESTING=OFF
cmake --build build-fuzz --target fuzz-targets -j "$(nproc)"
bash fuzz/make-seeds.sh build build-fuzz/seeds

# One target's run; its whole output goes to build-fuzz/TARGET.log.
fuzz_one() {
  local target=$1 corpus=build-fuzz/corpus/$1 findings=build-fuzz/findings/$1
  mkdir -p "$corpus" "$findings"
  local dict=()
  [ -f "fuzz/$target.dict" ] && dict=(-dict="fuzz/$target.dict")
  build-fuzz/fuzz/fuzz-$target "$corpus" "build-fuzz/seeds/$target" "${dict[@]}" \
    -max_total_time="$seconds" -timeout=60 -rss_limit_mb=4096 -max_len=262144 \
    -artifact_prefix="$findings/" -print_final_stats=1 \
    >"build-fuzz/$target.log" 2>&1 || true
}

# All targets at once: the time given is wall time for each of them.
for target in "${targets[@]}"; do fuzz_one "$target" & done
wait
for target in "${targets[@]}"; do
  log=build-fuzz/$target.log
  echo "== $target ($seconds s): $(sed -n 's/^stat::number_of_executed_units: *//p' "$log") executions," \
       "$(find "build-fuzz/findings/$target" -type f | wc -l) findings in build-fuzz/findings/$target"
  # The sheet target's workbook reader runs in a child process per input; a
  # child that a bad file brings down is contained, and counted here.
  echo "   faults contained in child processes: $(grep -c '^==[0-9]*==ERROR' "$log" || true)"
done
