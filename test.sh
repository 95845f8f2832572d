#!/bin/bash
# Installs what is missing, builds the player and runs every test suite: once in
# the normal build (warnings are errors) and once with AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

./scripts/install-deps.sh

# A compiler cache, when the machine has one, makes repeated runs cheap.
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

build() { # <folder> <cmake options...>
  local dir=$1; shift
  cmake -S . -B "$dir" -DKESTREL_WERROR=ON "${launcher[@]}" "$@" >/dev/null
  cmake --build "$dir" -j2
}

build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
build build-asan -DCMAKE_BUILD_TYPE=Debug -DKESTREL_SANITIZE=ON

export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
./scripts/with-display.sh ctest --test-dir build --output-on-failure -j1
./scripts/with-display.sh ctest --test-dir build-asan --output-on-failure -j1
# The parsers of files and segments others may write, fuzzed for 30 s each.
./tests/fuzz/run.sh 30
echo "All tests passed."
