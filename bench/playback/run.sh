#!/bin/bash
# Benchmark (not a test): what playing a 60 s 1080p30 H.264 clip to its end
# costs the whole player, against the least a libVLC program can do with the
# same clip (bench_playback_floor: an X11 window of the same size handed to
# libVLC) and against other players: `vlc -I dummy`, VLC's Qt interface and mpv.
# All draw with plain X11 output (xcb_x11, mpv's x11), the one this machine's
# software-only OpenGL makes the player pick, and play audio to a null output.
# Round robin over ROUNDS rounds; medians of CPU seconds (user + system) and
# peak resident memory, with the ratios to the floor.
# Usage (as root): bench/playback/run.sh [ROUNDS]     ROUNDS defaults to 5
#   KESTREL_BENCH_SECONDS  clip length (default 60; shorter for a quick check)
#   KESTREL_BENCH_PROGRAMS programs to run (default: all of them but
#                          kestrel-osd: the player with its on-screen text kept
#                          up by a volume key every 0.7 s)
#   KESTREL_BENCH_PLAYER   the player to measure (default: the staged build)
set -euo pipefail

. "$(dirname "$0")/../benchlib.sh"
rounds=${1:-5}
seconds=${KESTREL_BENCH_SECONDS:-60}
floor=$bench_root/build/bench/playback/bench_playback_floor
clip=$bench_root/build/bench/media/clip-1080p30-${seconds}s.mkv

if [ -z "${KESTREL_BENCH_DISPLAY:-}" ]; then
  bench_install vlc-bin vlc-plugin-qt mpv time ffmpeg
  bench_build
  [ -x "$floor" ] || bench_build bench_playback_floor
  if [ ! -s "$clip" ]; then
    mkdir -p "$(dirname "$clip")"
    nice ffmpeg -loglevel error -y -f lavfi -i "testsrc2=size=1920x1080:rate=30:duration=$seconds" \
      -f lavfi -i "sine=frequency=440:duration=$seconds" -c:v libx264 -preset veryfast \
      -pix_fmt yuv420p -c:a aac -b:a 128k "$clip.part.mkv"
    mv "$clip.part.mkv" "$clip"
  fi
  bench_prepare "$0" "$@"
fi
bench_start_work
work=$bench_work
programs=(${KESTREL_BENCH_PROGRAMS:-kestrel-player floor vlc-dummy vlc-qt mpv})
[ -z "${KESTREL_BENCH_BEFORE:-}" ] || programs+=(before)
# Until the player's window says otherwise (see below).
width=960 height=540

# The size of the innermost window of the process's top-level window: the one
# libVLC draws into, as large as the picture it shows.
video_size() {
  local top
  top=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n 1) || return 0
  [ -n "$top" ] || return 0
  xwininfo -tree -id "$top" | awk '
    match($0, /[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+/) {
      split(substr($0, RSTART, RLENGTH), s, /[x+]/); indent = match($0, /[^ ]/)
      if (s[1] * s[2] >= 10000 && (indent > best || (indent == best && s[1] * s[2] > area))) {
        best = indent; area = s[1] * s[2]; size = s[1] " " s[2]
      }
    }
    END { if (size) print size }'
}

# Keeps the on-screen text of the player started by runner $1 up until it
# ends: volume up and down in turn, so the volume ends where it began.
press_keys() {
  local runner=$1 top="" key=Up
  for _ in $(seq 50); do
    top=$(xdotool search --onlyvisible --pid "$(pgrep -u "$bench_user" -x kestrel-player | head -n 1)" \
      2>/dev/null | head -n 1) || true
    [ -z "$top" ] || break
    sleep 0.1
  done
  [ -n "$top" ] || return 0
  xdotool windowactivate "$top" 2>/dev/null || true
  while kill -0 "$runner" 2>/dev/null; do
    xdotool key "$key" 2>/dev/null || true
    [ "$key" = Up ] && key=Down || key=Up
    sleep 0.7
  done
}

# Runs one program on the clip as the user and appends "<cpu s> <peak KiB>" to
# $work/<program>.results. The player stays open after its end, so it gets
# the clip's length and a margin for its start, then a polite TERM.
measure() {
  local p=$1 d=$work/$1-$2 limit=$((seconds + 60)) cmd
  case $p in
    kestrel-player|kestrel-osd) cmd=("$bench_player" "$clip"); limit=$((seconds + 6)) ;;
    before) cmd=("$KESTREL_BENCH_BEFORE" "$clip"); limit=$((seconds + 6)) ;;
    # The player's own choice on this display; libVLC ignores --vout for a
    # window handed to it.
    floor) cmd=("$floor" "$width" "$height" "$clip" --quiet --no-xlib --aout=dummy) ;;
    # Its own window takes the picture's size: zoomed to the player's.
    vlc-dummy) cmd=(vlc -I dummy --play-and-exit --quiet --vout=xcb_x11 --aout=dummy
      --no-autoscale --zoom="$(awk -v w="$width" 'BEGIN { printf "%.4f", w / 1920 }')" "$clip") ;;
    vlc-qt) cmd=(vlc -I qt --no-qt-privacy-ask --play-and-exit --quiet --vout=xcb_x11 --aout=dummy
      --no-qt-video-autoresize --width "$width" --height "$height" "$clip") ;;
    mpv) cmd=(mpv --no-config --really-quiet --vo=x11 --ao=null --geometry="${width}x${height}" "$clip") ;;
  esac
  bench_home "$d"
  runuser -u "$bench_user" -- "${bench_env[@]}" KESTREL_VLC_OPTIONS="--quiet --aout=dummy" \
    /usr/bin/time -o "$d/time" -f '%U %S %M' timeout -s TERM -k 5 "$limit" "${cmd[@]}" \
    >"$d/log" 2>&1 &
  local runner=$! presser=""
  if [ "$p" = kestrel-osd ]; then press_keys "$runner" & presser=$!; fi
  if [ "$p" = kestrel-player ] && [ "$2" = warm ]; then
    sleep 4
    local pid size
    pid=$(pgrep -u "$bench_user" -x kestrel-player | head -n 1) || true
    size=$([ -z "$pid" ] || video_size "$pid") || true
    [ -z "$size" ] || read -r width height <<<"$size"
  fi
  wait "$runner" || true
  [ -z "$presser" ] || wait "$presser" || true
  if [ -s "$d/time" ] && awk 'END { exit !(NF == 3) }' "$d/time"; then
    awk 'END { printf "%.2f %d\n", $1 + $2, $3 }' "$d/time" >>"$work/$p.results"
  else
    echo "$p run $2 failed:" >&2; tail -n 5 "$d/log" >&2
  fi
  bench_drop_segments
}

# Warm the file cache and learn the size of the player's video window.
measure "${programs[0]}" warm
: >"$work/${programs[0]}.results"
echo "video window: ${width}x${height}; clip: ${seconds} s 1920x1080 30 fps H.264 + AAC"
for i in $(seq "$rounds"); do
  for p in "${programs[@]}"; do measure "$p" "$i"; done
done

declare -A cpu rss
printf '%-15s %9s %14s %10s %10s %6s\n' program "CPU s" "peak RSS MiB" "CPU/floor" "RSS/floor" runs
for p in "${programs[@]}"; do
  cpu[$p]=$(cut -d' ' -f1 "$work/$p.results" | bench_median)
  rss[$p]=$(cut -d' ' -f2 "$work/$p.results" | bench_median)
done
for p in "${programs[@]}"; do
  mib=$([ -n "${rss[$p]}" ] && awk -v k="${rss[$p]}" 'BEGIN { printf "%.0f", k / 1024 }' || echo -)
  printf '%-15s %9s %14s %10s %10s %6s\n' "$p" "${cpu[$p]:--}" "$mib" \
    "$(bench_ratio "${cpu[$p]}" "${cpu[floor]:-}")" "$(bench_ratio "${rss[$p]}" "${rss[floor]:-}")" \
    "$(wc -l <"$work/$p.results")/$rounds"
done
echo "aim: kestrel-player CPU/floor <= 1.03, RSS/floor <= 1.15"
