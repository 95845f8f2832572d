# Shared by the benchmark scripts (sourced, not run). They run as root, bring
# their own Xvfb display and run every program as the unprivileged user
# kestrel-bench (VLC refuses root), each run with an empty private HOME, XDG
# folders and TMPDIR.
bench_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bench_user=kestrel-bench
bench_player=${KESTREL_BENCH_PLAYER:-$bench_root/build/stage/kestrel-player}

# bench_install PACKAGE...: installs those of the Debian packages that are missing.
bench_install() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  export DEBIAN_FRONTEND=noninteractive
  timeout 900 apt-get install -y --no-install-recommends "${missing[@]}" >/dev/null ||
    { timeout 600 apt-get update >/dev/null &&
      timeout 900 apt-get install -y --no-install-recommends "${missing[@]}" >/dev/null; }
}

# bench_build TARGET...: builds the player (when missing) and those targets of the build tree.
bench_build() {
  local t
  [ -f "$bench_root/build/CMakeCache.txt" ] || timeout 600 cmake -S "$bench_root" -B "$bench_root/build" >/dev/null
  [ -x "$bench_player" ] || timeout 7200 nice cmake --build "$bench_root/build" -j1 >/dev/null
  for t in "$@"; do
    timeout 600 nice cmake --build "$bench_root/build" -j1 --target "$t" >/dev/null
  done
}

# bench_prepare SCRIPT ARGS...: root's part, then runs SCRIPT again on a private display.
bench_prepare() {
  [ -n "${KESTREL_BENCH_DISPLAY:-}" ] && return 0
  bench_install xvfb openbox x11-xserver-utils x11-utils xdotool
  id "$bench_user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$bench_user"
  KESTREL_BENCH_DISPLAY=1 exec "$bench_root/scripts/with-display.sh" "$@"
}

# bench_start_work: a work folder readable by the user, removed on exit with
# the player's leftover single-instance segments.
bench_start_work() {
  bench_uid=$(id -u "$bench_user")
  bench_work=$(mktemp -d /tmp/kestrel-bench.XXXXXX)
  trap 'rm -rf "$bench_work"; bench_drop_segments' EXIT
  chmod 711 "$bench_work"
  xhost "+SI:localuser:$bench_user" >/dev/null
  runuser -u "$bench_user" -- test -x "$bench_player" ||
    { echo "$bench_user cannot run $bench_player (a folder on the way is closed to others)" >&2; exit 1; }
}

# The player's single-instance segments outlive a killed copy; drop them after
# every run so each run starts from the same state and nothing piles up.
bench_drop_segments() {
  awk -v uid="$bench_uid" '$7 == 0 && $8 == uid { print $2 }' /proc/sysvipc/shm | xargs -r -n1 ipcrm -m
}

# bench_home DIR: makes DIR a fresh private home of the user; sets bench_env to
# the environment a program runs with there. No session bus: every program
# fails to connect at once rather than one of them spending time launching one.
bench_home() {
  local d=$1
  mkdir -p "$d"/{config,cache,data,run,tmp}
  chown -R "$bench_user": "$d"
  chmod 700 "$d" "$d/run"
  bench_env=(env -i DISPLAY="$DISPLAY" PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$d"
    XDG_CONFIG_HOME="$d/config" XDG_CACHE_HOME="$d/cache" XDG_DATA_HOME="$d/data"
    XDG_RUNTIME_DIR="$d/run" TMPDIR="$d/tmp" DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent)
}

# bench_green_blue_clip PATH: a 60 s 1080p clip, green for 20 s and blue after,
# with sound; made once.
bench_green_blue_clip() {
  local clip=$1
  [ -s "$clip" ] && return 0
  mkdir -p "$(dirname "$clip")"
  nice ffmpeg -loglevel error -y -f lavfi -i "color=c=0x00c000:size=1920x1080:rate=30:duration=20" \
    -f lavfi -i "color=c=0x0000c0:size=1920x1080:rate=30:duration=40" \
    -f lavfi -i "sine=frequency=440:duration=60" \
    -filter_complex "[0:v][1:v]concat=n=2:v=1:a=0[v]" -map "[v]" -map 2:a \
    -c:v libx264 -preset veryfast -pix_fmt yuv420p -c:a aac "$clip.part.mkv"
  mv "$clip.part.mkv" "$clip"
}

# bench_latency_rounds ROUNDS CLIP PROGRAM...: runs bench_latency on each
# program ROUNDS times, 3 opens each, every run in a fresh home, appending to
# $bench_work/PROGRAM.times. The whole player is asked over a session bus of
# its own; the others need none.
bench_latency_rounds() {
  local rounds=$1 clip=$2 i p d bus
  shift 2
  for i in $(seq "$rounds"); do
    for p in "$@"; do
      d=$bench_work/$p-$i
      bench_home "$d"
      bus=()
      [ "$p" = player ] && bus=(dbus-run-session --)
      runuser -u "$bench_user" -- "${bench_env[@]}" KESTREL_VLC_OPTIONS="--quiet --aout=dummy" \
        KESTREL_BENCH_PLAYER="$bench_player" "${bus[@]}" \
        timeout 120 "$bench_root/build/bench/latency/bench_latency" "$p" "$clip" 3 \
        >>"$bench_work/$p.times" 2>"$d/log" ||
        { echo "$p round $i failed:" >&2; tail -n 5 "$d/log" >&2; }
      bench_drop_segments
    done
  done
}

# bench_latency_report OURS VLC MPV AIM: the medians of the "<open ms> <seek ms>"
# lines in $bench_work/PROGRAM.times as a table, then the ratios of OURS to the
# other two (AIM follows the first).
bench_latency_report() {
  local p
  declare -A open seek
  printf '%-8s %9s %9s %6s\n' program "open ms" "seek ms" opens
  for p in "$1" "$2" "$3"; do
    touch "$bench_work/$p.times"
    open[$p]=$(awk '$1 >= 0 { print $1 }' "$bench_work/$p.times" | bench_median)
    seek[$p]=$(awk '$2 >= 0 { print $2 }' "$bench_work/$p.times" | bench_median)
    printf '%-8s %9s %9s %6s\n' "$p" "${open[$p]:--}" "${seek[$p]:--}" "$(wc -l <"$bench_work/$p.times")"
  done
  echo "$1/$2: open $(bench_ratio "${open[$1]}" "${open[$2]}")," \
    "seek $(bench_ratio "${seek[$1]}" "${seek[$2]}")${4:+ $4};" \
    "$1/$3: open $(bench_ratio "${open[$1]}" "${open[$3]}")," \
    "seek $(bench_ratio "${seek[$1]}" "${seek[$3]}")"
}

bench_median() { sort -n | awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)] }'; }
bench_ratio() { [ -n "$1" ] && [ -n "$2" ] && awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }' || echo -; }
