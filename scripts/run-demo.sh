#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on the bundled demo game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --run
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZOVE_TESTS=OFF >/dev/null
cmake --build build/release
# build/release/game.ini (made by CMake on the first build) points the launcher at game/.
exec build/release/zove "$@"
