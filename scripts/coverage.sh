#!/usr/bin/env bash
# Line coverage of the Qt-free core by the whole test suite (a Debug build
# with --coverage in build-coverage/), as gcovr prints it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if ! locale -a 2>/dev/null | grep -qi '^de_DE.utf8$'; then
  localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
command -v gcovr >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq gcovr >/dev/null
cmake -S . -B build-coverage -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRACTWISE_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage
cmake --build build-coverage
find build-coverage -name '*.gcda' -delete
QT_QPA_PLATFORM=offscreen ctest --test-dir build-coverage -j2 --output-on-failure
# The core's folders, as the top CMakeLists.txt lists them.
core=$(sed -n 's/^set(TW_CORE_FOLDERS \(.*\))$/\1/p' CMakeLists.txt | tr ' ' '|')
gcovr --root . --filter "src/($core)/" build-coverage
