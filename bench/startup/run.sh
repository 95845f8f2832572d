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

root=$(cd "$(dirname "$0")/../.." && pwd)
runs=${1:-7}
user=kestrel-bench
player=$root/build/stage/kestrel-player
probe=$root/build/bench/startup/bench_startup_probe

if [ -z "${KESTREL_BENCH_DISPLAY:-}" ]; then
  missing=()
  for p in vlc-bin vlc-plugin-qt mpv; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    timeout 900 apt-get install -y --no-install-recommends "${missing[@]}" >/dev/null ||
      { timeout 600 apt-get update >/dev/null &&
        timeout 900 apt-get install -y --no-install-recommends "${missing[@]}" >/dev/null; }
  fi
  [ -f "$root/build/CMakeCache.txt" ] || timeout 600 cmake -S "$root" -B "$root/build" >/dev/null
  [ -x "$player" ] || timeout 7200 nice cmake --build "$root/build" -j1 >/dev/null
  [ -x "$probe" ] || timeout 600 nice cmake --build "$root/build" -j1 --target bench_startup_probe >/dev/null
  id "$user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$user"
  KESTREL_BENCH_DISPLAY=1 exec "$root/scripts/with-display.sh" "$0" "$@"
fi

uid=$(id -u "$user")
work=$(mktemp -d /tmp/kestrel-startup.XXXXXX)
# The player's single-instance segments outlive a killed copy; drop them after
# every run so each run starts from the same state and nothing piles up.
drop_segments() {
  awk -v uid="$uid" '$7 == 0 && $8 == uid { print $2 }' /proc/sysvipc/shm | xargs -r -n1 ipcrm -m
}
trap 'rm -rf "$work"; drop_segments' EXIT
chmod 711 "$work"
xhost "+SI:localuser:$user" >/dev/null
runuser -u "$user" -- test -x "$player" ||
  { echo "$user cannot run $player (a folder on the way is closed to others)" >&2; exit 1; }

# Prints "<mapped ms> <painted ms>" for one run of program $1, nothing on failure.
measure() {
  local cmd d=$work/$1-$2
  case $1 in
    kestrel-player) cmd=("$player") ;;
    # The privacy question comes once per user; a real desktop has answered it.
    vlc) cmd=(vlc --no-qt-privacy-ask) ;;
    # On Xvfb mpv's default output probes and rejects several GPU back-ends
    # first (the software renderer is refused); a desktop with a GPU does not,
    # so use its plain X11 output, software painting like the two Qt players.
    mpv) cmd=(mpv --force-window --idle --vo=x11) ;;
  esac
  mkdir -p "$d"/{config,cache,data,run,tmp}
  chown -R "$user": "$d"
  chmod 700 "$d" "$d/run"
  # No session bus: every program fails to connect at once rather than one of
  # them spending its start trying to launch a bus.
  "$probe" --user "$user" --timeout 20000 -- env -i DISPLAY="$DISPLAY" PATH=/usr/bin:/bin \
    LANG=C.UTF-8 HOME="$d" XDG_CONFIG_HOME="$d/config" XDG_CACHE_HOME="$d/cache" \
    XDG_DATA_HOME="$d/data" XDG_RUNTIME_DIR="$d/run" TMPDIR="$d/tmp" \
    DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent "${cmd[@]}" 2>"$d/log" ||
    { echo "$1 run $2 failed:" >&2; tail -n 5 "$d/log" >&2; }
  drop_segments
}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)] }'; }

programs=(kestrel-player vlc mpv)
for p in "${programs[@]}"; do measure "$p" warm >/dev/null; done  # fill the file cache for all
# Round robin, so a slow spell of the machine falls on all three alike.
for i in $(seq "$runs"); do
  for p in "${programs[@]}"; do measure "$p" "$i" >>"$work/$p.times"; done
done

printf '%-15s %10s %11s %6s\n' program "mapped ms" "painted ms" runs
declare -A painted
for p in "${programs[@]}"; do
  touch "$work/$p.times"
  painted[$p]=$(cut -d' ' -f2 "$work/$p.times" | median)
  printf '%-15s %10s %11s %6s\n' "$p" "$(cut -d' ' -f1 "$work/$p.times" | median)" \
    "${painted[$p]:--}" "$(wc -l <"$work/$p.times")/$runs"
done
ratio() { [ -n "$1" ] && [ -n "$2" ] && awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }' || echo -; }
echo "painted, ours/vlc: $(ratio "${painted[kestrel-player]}" "${painted[vlc]}") (aim <= 0.50)," \
  "ours/mpv: $(ratio "${painted[kestrel-player]}" "${painted[mpv]}")"
