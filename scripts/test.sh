#!/usr/bin/env bash
# Builds everything and runs every test.
#   bash scripts/test.sh              the normal build, in build/
#   bash scripts/test.sh --sanitize   with AddressSanitizer and UBSan, in build-asan/
# With CI=true, warnings are errors, and the normal run is followed by the
# sanitizer run and a 20-second fuzz run of every target (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

# One test proves that numbers are read and written the same under a German
# locale; a fresh image has no such locale, so make it.
if ! locale -a 2>/dev/null | grep -qi '^de_DE.utf8$'; then
  localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi

ci=false
[ "${CI:-}" = "true" ] && ci=true

run_suite() {
  local build=build
  local options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
  if [ "${1:-}" = "--sanitize" ]; then
    build=build-asan
    options=(-DCMAKE_BUILD_TYPE=Debug -DTRACTWISE_SANITIZE=ON)
  fi
  # The sanitizer build runs no benchmarks; building them there only costs time.
  [ "$build" = build-asan ] && [ "$ci" = true ] && options+=(-DTRACTWISE_BUILD_BENCH=OFF)
  options+=(-DTRACTWISE_WERROR="$([ "$ci" = true ] && echo ON || echo OFF)")
  command -v ccache >/dev/null && options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B "$build" -G Ninja "${options[@]}"
  cmake --build "$build"
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j2
}

run_suite "${1:-}"
if [ "$ci" = true ] && [ "${1:-}" != "--sanitize" ]; then
  run_suite --sanitize
  bash scripts/fuzz.sh 20
fi
