#!/usr/bin/env bash
# Fuzzes the core's readers with libFuzzer, AddressSanitizer and UBSan.
#   bash scripts/fuzz.sh [SECONDS]   every target for SECONDS (default 60), two at a time
# Each target starts from its seeds in tests/fuzz/corpus/NAME, with the tokens
# of tests/fuzz/NAME.dict where there is one; what it learns
# stays in build-fuzz/corpus/NAME for the next run. A finding is saved in
# build-fuzz/findings/ and makes the script fail.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

bash scripts/setup.sh clang-14 libclang-rt-14-dev

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++-14 -DTRACTWISE_FUZZ=ON "${launcher[@]}" >/dev/null
cmake --build build-fuzz

mkdir -p build-fuzz/findings
run_one() {
  local name="$1" seconds="$2" dict=()
  mkdir -p "build-fuzz/corpus/$name"
  # A target's dictionary of the tokens its texts are made of, where it has one.
  [ -f "tests/fuzz/$name.dict" ] && dict=(-dict="tests/fuzz/$name.dict")
  if "build-fuzz/tests/fuzz/${name}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="build-fuzz/findings/${name}-" -print_final_stats=1 "${dict[@]}" \
      "build-fuzz/corpus/$name" "tests/fuzz/corpus/$name" >"build-fuzz/$name.log" 2>&1; then
    echo "$name: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "build-fuzz/$name.log" |
      grep -o '[0-9]*$') executions, no finding"
  else
    echo "$name: FINDING, see build-fuzz/$name.log"
    grep -A3 -m1 -E 'ERROR|broken|runtime error' "build-fuzz/$name.log" || true
    return 1
  fi
}
export -f run_one
targets=$(ls tests/fuzz/corpus)
printf '%s\n' $targets | xargs -P2 -I{} bash -c 'run_one "$1" "$2"' _ {} "$seconds"
