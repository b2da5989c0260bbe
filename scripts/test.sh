#!/usr/bin/env bash
# Builds everything and runs every test.
#   bash scripts/test.sh              the normal build, in build/
#   bash scripts/test.sh --sanitize   with AddressSanitizer and UBSan, in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

# One test proves that numbers are read and written the same under a German
# locale; a fresh image has no such locale, so make it.
if ! locale -a 2>/dev/null | grep -qi '^de_DE.utf8$'; then
  localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi

build=build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  build=build-asan
  options=(-DCMAKE_BUILD_TYPE=Debug -DTRACTWISE_SANITIZE=ON)
fi
cmake -S . -B "$build" -G Ninja "${options[@]}"
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j2
