#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy) over the Qt-free core, two files at a time,
# with the flags of the build in BUILD (default build/); any finding fails.
#   bash scripts/lint.sh [BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
bash scripts/setup.sh clang-tidy

if [ ! -f "$build/compile_commands.json" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
# The core's folders as CMake lists them; the generated headers come with
# the configure step, so no build is needed.
core=$(sed -n 's/^set(TW_CORE_FOLDERS \(.*\))$/\1/p' CMakeLists.txt)
shopt -s nullglob
files=()
for dir in $core; do
  files+=(src/"$dir"/*.cpp)
done
printf '%s\n' "${files[@]}" |
  xargs -P 2 -n 4 clang-tidy -p "$build" --quiet 2>/dev/null
