#!/bin/bash
# Benchmark (not a test): open and seek latency on the screen, for the
# player's engine (in process; bench/openseek/run.sh measures the whole
# player), `vlc -I rc` and mpv's JSON IPC, all with plain X11 output and a null audio output.
# Each round starts every program once and opens the clip 3 times in it; the
# table holds the medians over all opens. See main.cpp for what is measured.
# Usage (as root): bench/latency/run.sh [ROUNDS]     ROUNDS defaults to 5
set -euo pipefail

. "$(dirname "$0")/../benchlib.sh"
rounds=${1:-5}
bench=$bench_root/build/bench/latency/bench_latency
clip=$bench_root/build/bench/media/green-blue-1080p30.mkv

if [ -z "${KESTREL_BENCH_DISPLAY:-}" ]; then
  bench_install vlc-bin mpv ffmpeg
  bench_build
  [ -x "$bench" ] || bench_build bench_latency
  bench_green_blue_clip "$clip"
  bench_prepare "$0" "$@"
fi
bench_start_work
programs=(engine vlc mpv)
bench_latency_rounds "$rounds" "$clip" "${programs[@]}"
bench_latency_report engine vlc mpv "(aim <= 1.10)"
