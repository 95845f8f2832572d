#!/bin/bash
# Benchmark (not a test): open and seek latency on the screen for the whole
# running player asked over its remote control (OpenUri, then SetPosition to
# 30 s), against `vlc -I rc` (its "add" and "seek" commands) and mpv's JSON
# IPC, all with a null audio output. Each round starts every program once and
# opens the clip 3 times in it; the table holds the medians over all opens.
# The measuring program is bench_latency (see bench/latency/main.cpp).
# Usage (as root): bench/openseek/run.sh [ROUNDS]     ROUNDS defaults to 5
set -euo pipefail

. "$(dirname "$0")/../benchlib.sh"
rounds=${1:-5}
clip=$bench_root/build/bench/media/green-blue-1080p30.mkv

if [ -z "${KESTREL_BENCH_DISPLAY:-}" ]; then
  bench_install vlc-bin mpv ffmpeg dbus-daemon
  bench_build
  bench_build bench_latency
  bench_green_blue_clip "$clip"
  bench_prepare "$0" "$@"
fi
bench_start_work
programs=(player vlc mpv)
bench_latency_rounds "$rounds" "$clip" "${programs[@]}"
bench_latency_report player vlc mpv ""
