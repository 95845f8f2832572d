#!/bin/bash
# Benchmark (not a test): memory over time. One running player opens media
# CYCLES times, alternating two short clips; each open hands the path to the
# running player the way a user's second start does (single-instance
# hand-over), which stops what plays and opens the other clip. Reports the
# player's resident memory before the first open and after 100, 250 and
# CYCLES opens, and the growth from 0 and from 100 opens on.
# Usage (as root): bench/soak/run.sh [CYCLES]     CYCLES defaults to 500
#   KESTREL_BENCH_PLAYER   the player to measure (default: the staged build)
set -euo pipefail

. "$(dirname "$0")/../benchlib.sh"
cycles=${1:-500}
media=$bench_root/build/bench/media
clips=("$media/soak-a.mkv" "$media/soak-b.mkv")

if [ -z "${KESTREL_BENCH_DISPLAY:-}" ]; then
  bench_install ffmpeg
  bench_build
  mkdir -p "$media"
  for c in "${clips[@]}"; do
    [ -s "$c" ] && continue
    nice ffmpeg -loglevel error -y -f lavfi -i "testsrc2=size=640x360:rate=25:duration=5" \
      -f lavfi -i "sine=frequency=440:duration=5" -c:v libx264 -preset veryfast \
      -pix_fmt yuv420p -c:a aac "$c.part.mkv"
    mv "$c.part.mkv" "$c"
  done
  bench_prepare "$0" "$@"
fi
bench_start_work
d=$bench_work/home
bench_home "$d"
run_player() {
  runuser -u "$bench_user" -- "${bench_env[@]}" KESTREL_VLC_OPTIONS="--quiet --aout=dummy" \
    "$bench_player" "$@"
}

run_player >"$d/log" 2>&1 &
for _ in $(seq 100); do
  pid=$(pgrep -u "$bench_user" -x kestrel-player | head -n 1) || true
  [ -n "$pid" ] && xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1 && break
  sleep 0.1
done
[ -n "${pid:-}" ] || { echo "the player did not start" >&2; tail -n 5 "$d/log" >&2; exit 1; }
sleep 2
rss() { awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status"; }

declare -A at
at[0]=$(rss)
for i in $(seq "$cycles"); do
  run_player "${clips[$((i % 2))]}" >>"$d/handover.log" 2>&1 || true
  # Let the open get under way before the next one stops it.
  sleep 0.3
  kill -0 "$pid" 2>/dev/null || { echo "the player ended after $i opens" >&2; tail -n 5 "$d/log" >&2; exit 1; }
  case $i in 100 | 250 | "$cycles") sleep 2; at[$i]=$(rss) ;; esac
done
kill "$pid"
wait 2>/dev/null || true

printf '%-8s %10s\n' opens "RSS MiB"
for i in 0 100 250 "$cycles"; do
  [ -n "${at[$i]:-}" ] && printf '%-8s %10s\n' "$i" "${at[$i]}"
done
# Before the first open libVLC has no decoder or picture buffers yet: the
# growth that counts is the one over the opens.
awk -v a="${at[0]}" -v h="${at[100]:-}" -v b="${at[$cycles]}" -v n="$cycles" 'BEGIN {
  printf "growth: %.1f MiB from 0 opens, ", b - a
  if (h != "") printf "%.1f MiB from 100 to %d opens (aim: under 20)\n", b - h, n; else print "" }'
