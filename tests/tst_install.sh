#!/bin/bash
# Installs the built tree the way a distribution or a user would (into a
# DESTDIR, under two prefixes), checks what lands where, runs the desktop's
# validators and builds and inspects the Debian package.
#   tst_install.sh <build folder> <source folder>
set -uo pipefail
build=$(readlink -f "$1"); src=$(readlink -f "$2")
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; "$@" >/dev/null 2>&1 || fail "$what"; }

icon_sizes=(16 22 24 32 48 64 96 128 256 512)

check_tree() { # <root> <prefix>
  local root=$1 prefix=$2 share=$1$2/share
  local link=$root$prefix/bin/kestrel-player
  [ -L "$link" ] || { fail "$prefix: no link in bin/"; return; }
  case $(readlink "$link") in /*) fail "$prefix: the link in bin/ is absolute";; esac
  local program; program=$(readlink -f "$link")
  [ -x "$program" ] || fail "$prefix: the link in bin/ does not reach the program"
  local dir; dir=$(dirname "$program")
  for f in libkestrel.so cfg/product.info cfg/product_extend.info splashscreen.xml \
           cfg/skin cfg/language cfg/help_en/help.html app.png; do
    [ -e "$dir/$f" ] || fail "$prefix: $f missing beside the program"
  done
  ldd "$program" | grep -q "not found" && fail "$prefix: the program misses a library"
  for size in "${icon_sizes[@]}"; do
    local png=$share/icons/hicolor/${size}x${size}/apps/kestrel-player.png
    file "$png" 2>/dev/null | grep -q "PNG image data, $size x $size" || fail "$prefix: icon $size"
  done
  [ -s "$share/icons/hicolor/scalable/apps/kestrel-player.svg" ] || fail "$prefix: scalable icon"
  readelf -d "$program" "$dir/libkestrel.so" | grep -E "R(UN)?PATH" | grep -qv '\$ORIGIN\]' \
    && fail "$prefix: a run path points outside the program folder"
  for f in applications/kestrel-player.desktop mime/packages/kestrel-player.xml \
           metainfo/io.example.KestrelPlayer.metainfo.xml \
           doc/kestrel-player/copyright doc/kestrel-player/changelog.gz \
           man/man1/kestrel-player.1.gz; do
    [ -s "$share/$f" ] || fail "$prefix: share/$f missing"
  done
}

# Every extension the Open File dialog offers must be a type the desktop entry
# claims, in the system's MIME database plus the package's own additions.
check_mime_coverage() { # <share folder>
  local share=$1 db=$work/mime
  mkdir -p "$db/packages"
  cp /usr/share/mime/packages/freedesktop.org.xml "$share/mime/packages/kestrel-player.xml" "$db/packages/"
  update-mime-database "$db" >/dev/null 2>&1 || { fail "update-mime-database"; return; }
  local claimed; claimed=$(sed -n 's/^MimeType=//p' "$share/applications/kestrel-player.desktop" | tr ';' '\n')
  local patterns; patterns=$(grep -o '\*\.[A-Za-z0-9]\+' "$src/player/ui/mainwindow.cpp" | sort -uf)
  local covered=0
  for pattern in $patterns; do
    local ext=${pattern#*.}
    # A generic data extension the package deliberately leaves to others.
    [ "${ext,,}" = dat ] && continue
    local types; types=$(grep -i ":\*\.${ext}$" "$db/globs2" | cut -d: -f2)
    local hit=0
    for t in $types; do grep -qx "$t" <<<"$claimed" && hit=1; done
    [ $hit = 1 ] && covered=$((covered + 1)) || fail "*.$ext is offered by Open File but not claimed (types: ${types:-none})"
  done
  echo "MIME: $covered extensions of the Open File filter claimed"
}

run_validators() { # <share folder>
  local share=$1
  echo "--- desktop-file-validate"
  desktop-file-validate "$share/applications/kestrel-player.desktop" || fail "desktop-file-validate"
  echo "--- appstreamcli validate --no-net"
  appstreamcli validate --no-net "$share/metainfo/io.example.KestrelPlayer.metainfo.xml" \
    || fail "appstreamcli validate"
}

check_package() {
  (cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1) \
    || { cat "$work/cpack.log"; fail "cpack -G DEB"; return; }
  local deb; deb=$(ls "$work"/deb/*.deb 2>/dev/null | head -1)
  [ -n "$deb" ] || { fail "no .deb built"; return; }
  local depends; depends=$(dpkg-deb -f "$deb" Depends)
  echo "Depends: $depends"
  # Computed from the binaries, and the run-time plug-ins named by hand.
  for p in libvlc5 libqt6widgets6 libnettle8 libudev1 libblkid1 vlc-plugin-base libqt6svg6; do
    grep -q "\b$p\b" <<<"$depends" || fail "the package does not depend on $p"
  done
  [ "$(dpkg-deb -f "$deb" Package)" = kestrel-player ] || fail "package name"
  dpkg-deb -c "$deb" > "$work/contents"
  for f in ./usr/bin/kestrel-player ./usr/share/applications/kestrel-player.desktop \
           ./usr/share/metainfo/io.example.KestrelPlayer.metainfo.xml \
           ./usr/share/doc/kestrel-player/copyright; do
    grep -q " $f" "$work/contents" || fail "the package lacks $f"
  done
  grep -q "kestrel-player/libkestrel.so" "$work/contents" || fail "the package lacks the program folder"
  echo "--- lintian"
  lintian --fail-on error --no-tag-display-limit "$deb" || fail "lintian reports errors"
}

for prefix in /usr /opt/kestrel; do
  rm -rf "$work/root"
  DESTDIR=$work/root cmake --install "$build" --prefix "$prefix" >/dev/null || fail "install into $prefix"
  check_tree "$work/root" "$prefix"
done
check_mime_coverage "$work/root/opt/kestrel/share"
run_validators "$work/root/opt/kestrel/share"
check_package

[ $failures = 0 ] && echo "install and package: all checks passed" || echo "$failures checks failed"
[ $failures = 0 ]
