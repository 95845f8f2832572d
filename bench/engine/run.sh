#!/bin/bash
# Benchmark (not a test): CPU seconds and peak memory of QVlcPlayer playing a
# 60 s 1080p clip to its end, next to a bare libVLC program with the same
# instance options and outputs, plus the time from open to the first time.
# Usage: bench/engine/run.sh      (builds what is missing; needs ffmpeg, time)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
bench=$root/build/bench/engine/bench_engine
clip=$root/build/bench/engine/clip1080.mkv

command -v /usr/bin/time >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq time >/dev/null
[ -f "$root/build/CMakeCache.txt" ] || cmake -S "$root" -B "$root/build" >/dev/null
[ -x "$bench" ] || nice cmake --build "$root/build" -j2 --target bench_engine >/dev/null
if [ ! -f "$clip" ]; then
  ffmpeg -loglevel error -y -f lavfi -i "testsrc2=size=1920x1080:rate=25:duration=60" \
    -f lavfi -i "sine=frequency=440:duration=60" -c:v libx264 -preset veryfast \
    -pix_fmt yuv420p -c:a aac "$clip"
fi

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen
export KESTREL_VLC_OPTIONS="--quiet --vout=dummy --aout=dummy --no-disable-screensaver --avcodec-hw=none"

measure() { # <mode> -> "cpu_seconds peak_kb first_ms"
  local out
  out=$(/usr/bin/time -f "%U %S %M" "$bench" "$1" "$clip" 2>&1 >"$home/$1.out" | tail -n 1)
  read -r user sys peak <<<"$out"
  echo "$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.2f", u + s }') $peak" \
    "$(awk '{ print $4 }' "$home/$1.out")"
}

read -r bare_cpu bare_mem bare_first <<<"$(measure bare)"
read -r eng_cpu eng_mem eng_first <<<"$(measure engine)"
printf '%-8s %10s %12s %16s\n' run "CPU s" "peak MiB" "open->time ms"
printf '%-8s %10s %12s %16s\n' bare "$bare_cpu" "$((bare_mem / 1024))" "$bare_first"
printf '%-8s %10s %12s %16s\n' engine "$eng_cpu" "$((eng_mem / 1024))" "$eng_first"
awk -v a="$eng_cpu" -v b="$bare_cpu" -v c="$eng_mem" -v d="$bare_mem" -v e="$eng_first" -v f="$bare_first" \
  'BEGIN { printf "engine/bare: CPU %.3f, memory %.3f, first time %.2f\n", a / b, c / d, e / f }'
