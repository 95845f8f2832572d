#!/bin/bash
# Benchmark (not a test): open and seek latency on the screen, for the
# player's engine (in process: the player has no remote control yet), `vlc -I
# rc` and mpv's JSON IPC, all with plain X11 output and a null audio output.
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
  if [ ! -s "$clip" ]; then
    mkdir -p "$(dirname "$clip")"
    nice ffmpeg -loglevel error -y -f lavfi -i "color=c=0x00c000:size=1920x1080:rate=30:duration=20" \
      -f lavfi -i "color=c=0x0000c0:size=1920x1080:rate=30:duration=40" \
      -f lavfi -i "sine=frequency=440:duration=60" \
      -filter_complex "[0:v][1:v]concat=n=2:v=1:a=0[v]" -map "[v]" -map 2:a \
      -c:v libx264 -preset veryfast -pix_fmt yuv420p -c:a aac "$clip.part.mkv"
    mv "$clip.part.mkv" "$clip"
  fi
  bench_prepare "$0" "$@"
fi
bench_start_work
work=$bench_work
programs=(engine vlc mpv)

for i in $(seq "$rounds"); do
  for p in "${programs[@]}"; do
    d=$work/$p-$i
    bench_home "$d"
    runuser -u "$bench_user" -- "${bench_env[@]}" KESTREL_VLC_OPTIONS="--quiet --aout=dummy" \
      timeout 120 "$bench" "$p" "$clip" 3 >>"$work/$p.times" 2>"$d/log" ||
      { echo "$p round $i failed:" >&2; tail -n 5 "$d/log" >&2; }
    bench_drop_segments
  done
done

declare -A open seek
printf '%-8s %9s %9s %6s\n' program "open ms" "seek ms" opens
for p in "${programs[@]}"; do
  touch "$work/$p.times"
  open[$p]=$(awk '$1 >= 0 { print $1 }' "$work/$p.times" | bench_median)
  seek[$p]=$(awk '$2 >= 0 { print $2 }' "$work/$p.times" | bench_median)
  printf '%-8s %9s %9s %6s\n' "$p" "${open[$p]:--}" "${seek[$p]:--}" "$(wc -l <"$work/$p.times")"
done
echo "engine/vlc: open $(bench_ratio "${open[engine]}" "${open[vlc]}")," \
  "seek $(bench_ratio "${seek[engine]}" "${seek[vlc]}") (aim <= 1.10);" \
  "engine/mpv: open $(bench_ratio "${open[engine]}" "${open[mpv]}")," \
  "seek $(bench_ratio "${seek[engine]}" "${seek[mpv]}")"
