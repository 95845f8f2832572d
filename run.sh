#!/bin/bash
# Installs what is missing, builds the player and starts it on FILE (or on a
# demo clip). Without a display it runs under Xvfb for a few seconds and saves
# a screenshot.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

./scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2

player=build/stage/kestrel-player
media=${1:-}
if [ -z "$media" ]; then
  media=build/demo/demo.mkv
  if [ ! -f "$media" ]; then
    mkdir -p build/demo
    ffmpeg -loglevel error -y -f lavfi -i "testsrc2=size=1280x720:rate=25:duration=20" \
      -f lavfi -i "sine=frequency=440:duration=20" -c:v libx264 -pix_fmt yuv420p \
      -c:a aac -metadata title="Kestrel demo" "$media"
  fi
fi
media=$(readlink -f "$media")

if [ -n "${DISPLAY:-}" ]; then
  exec "$player" "$media"
fi

shot=$(pwd)/build/screenshot.png
export KESTREL_RUN_SECONDS=${KESTREL_RUN_SECONDS:-8}
./scripts/with-display.sh bash -c '
  "$0" "$1" & pid=$!
  sleep "$KESTREL_RUN_SECONDS"
  import -window root "$2"
  kill "$pid"; wait "$pid" 2>/dev/null || true' "$(readlink -f "$player")" "$media" "$shot"
echo "Screenshot: $shot"
