#!/usr/bin/env bash
# Builds tools/sdl_check against a build directory's libraries and runs it, under Xvfb when there
# is no display. Usage: tools/sdl_check.sh BUILD_DIR MODE ARGS...
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$1"
shift
ninja -C "$build" zove_sdl zove_base >/dev/null
out="$build/sdl_check"
g++ -std=c++20 -O1 -Wall -Wextra -I"$root/src" $(pkg-config --cflags sdl2 SDL2_mixer SDL2_image) \
    "$root/tools/sdl_check.cpp" "$build/libzove_sdl.a" "$build/libzove_base.a" \
    $(pkg-config --libs sdl2 SDL2_mixer SDL2_image SDL2_ttf fontconfig) -o "$out"
if [[ -z "${DISPLAY:-}" && "${SDL_VIDEODRIVER:-}" != "dummy" ]]; then
    exec xvfb-run -a -s "-screen 0 1600x1200x24" "$out" "$@"
fi
exec "$out" "$@"
