#!/bin/bash
# Benchmark (not a test): time from opening the feature disc's folder to the
# player's navigation menu shown, next to a bare libVLC program of ours opening
# the same folder (to its first picture); both with a null video and audio
# output, each open a fresh process with a fresh profile, round robin, medians.
# Usage (as root): bench/bluray/run.sh [ROUNDS]     ROUNDS defaults to 7
set -euo pipefail

. "$(dirname "$0")/../benchlib.sh"
rounds=${1:-7}
bench=$bench_root/build/bench/bluray/bench_bluray
stage=$(dirname "$bench_player")

if [ -z "${KESTREL_BENCH_DISPLAY:-}" ]; then
  bench_install ffmpeg
  bench_build
  [ -x "$bench" ] || bench_build bench_bluray
  bench_prepare "$0" "$@"
fi
bench_start_work
work=$bench_work
# The disc is authored (and cached) by the build tree's fixture, then copied
# where the unprivileged user can read it.
disc=$(QT_QPA_PLATFORM=offscreen "$bench" author)
cp -r "$disc" "$work/disc"
chmod -R a+rX "$work/disc"
runuser -u "$bench_user" -- test -x "$bench" ||
  { echo "$bench_user cannot run $bench" >&2; exit 1; }
options="--quiet --vout=dummy --aout=dummy --no-disable-screensaver --avcodec-hw=none"

for i in $(seq "$rounds"); do
  for p in player bare; do
    d=$work/$p-$i
    bench_home "$d"
    args=("$p" "$work/disc")
    [ "$p" = player ] && args=(player "$stage" "$work/disc")
    runuser -u "$bench_user" -- "${bench_env[@]}" KESTREL_VLC_OPTIONS="$options" \
      timeout 60 "$bench" "${args[@]}" >>"$work/$p.times" 2>"$d/log" ||
      { echo "$p round $i failed:" >&2; tail -n 5 "$d/log" >&2; }
    bench_drop_segments
  done
done

declare -A median
printf '%-8s %12s %6s\n' program "ms to ready" runs
for p in player bare; do
  touch "$work/$p.times"
  median[$p]=$(awk '$1 >= 0 { print $1 }' "$work/$p.times" | bench_median)
  printf '%-8s %12s %6s\n' "$p" "${median[$p]:--}" "$(wc -l <"$work/$p.times")"
done
echo "player/bare: $(bench_ratio "${median[player]}" "${median[bare]}") (aim <= 1.2)"
