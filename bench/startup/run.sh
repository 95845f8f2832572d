#!/bin/bash
# Benchmark (not a test): a cold start of a new process up to its painted main
# window, for this player, VLC's Qt interface and mpv; the median of RUNS runs
# each, all on one private Xvfb display with openbox.
# Usage (as root): bench/startup/run.sh [RUNS]     RUNS defaults to 7
#
# All three run as the unprivileged user kestrel-bench (VLC refuses root), each
# run with an empty private HOME, XDG folders and TMPDIR, so no saved geometry,
# cache or leftover lock differs between runs. bench_startup_probe starts the
# program, times it and ends it; see probe.cpp for what counts as painted.
set -euo pipefail

. "$(dirname "$0")/../benchlib.sh"
runs=${1:-7}
probe=$bench_root/build/bench/startup/bench_startup_probe

if [ -z "${KESTREL_BENCH_DISPLAY:-}" ]; then
  bench_install vlc-bin vlc-plugin-qt mpv
  bench_build
  [ -x "$probe" ] || bench_build bench_startup_probe
  bench_prepare "$0" "$@"
fi
bench_start_work
work=$bench_work

# Prints "<mapped ms> <painted ms>" for one run of program $1, nothing on failure.
measure() {
  local cmd d=$work/$1-$2
  case $1 in
    kestrel-player) cmd=("$bench_player") ;;
    before) cmd=("$KESTREL_BENCH_BEFORE") ;;
    # The privacy question comes once per user; a real desktop has answered it.
    vlc) cmd=(vlc --no-qt-privacy-ask) ;;
    # On Xvfb mpv's default output probes and rejects several GPU back-ends
    # first (the software renderer is refused); a desktop with a GPU does not,
    # so use its plain X11 output, software painting like the two Qt players.
    mpv) cmd=(mpv --force-window --idle --vo=x11) ;;
  esac
  bench_home "$d"
  "$probe" --user "$bench_user" --timeout 20000 -- "${bench_env[@]}" "${cmd[@]}" 2>"$d/log" ||
    { echo "$1 run $2 failed:" >&2; tail -n 5 "$d/log" >&2; }
  bench_drop_segments
}

programs=(kestrel-player vlc mpv)
[ -z "${KESTREL_BENCH_BEFORE:-}" ] || programs+=(before)
for p in "${programs[@]}"; do measure "$p" warm >/dev/null; done  # fill the file cache for all
# Round robin, so a slow spell of the machine falls on all three alike.
for i in $(seq "$runs"); do
  for p in "${programs[@]}"; do measure "$p" "$i" >>"$work/$p.times"; done
done

printf '%-15s %10s %11s %6s\n' program "mapped ms" "painted ms" runs
declare -A painted
for p in "${programs[@]}"; do
  touch "$work/$p.times"
  painted[$p]=$(cut -d' ' -f2 "$work/$p.times" | bench_median)
  printf '%-15s %10s %11s %6s\n' "$p" "$(cut -d' ' -f1 "$work/$p.times" | bench_median)" \
    "${painted[$p]:--}" "$(wc -l <"$work/$p.times")/$runs"
done
echo "painted, ours/vlc: $(bench_ratio "${painted[kestrel-player]}" "${painted[vlc]}") (aim <= 0.50)," \
  "ours/mpv: $(bench_ratio "${painted[kestrel-player]}" "${painted[mpv]}")"
