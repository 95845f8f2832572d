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

bench_median() { sort -n | awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)] }'; }
bench_ratio() { [ -n "$1" ] && [ -n "$2" ] && awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }' || echo -; }
