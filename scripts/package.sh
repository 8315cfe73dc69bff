#!/usr/bin/env bash
# Builds the .deb from a configured build tree, checks it with lintian,
# desktop-file-validate and appstreamcli, unpacks it into a clean folder and
# runs the unpacked program: it starts under Xvfb, finds a mounted sample disc
# and ends through its Exit button. The screenshot taken on the way is the
# one the metainfo shows.
#   scripts/package.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

# Runs in a private mount namespace: only the test's own disc is mounted.
if [ "${1:-}" = --inside ]; then
  tree=$2 iso=$3 work=$4 shot=$5
  { findmnt -rn -t fuse.fuseiso -o TARGET || true; } | while read -r point; do
    umount -l "$(printf '%b' "$point")" || true
  done
  drive="$work/cdrom"
  mkdir -p "$drive" "$work/home" "$work/runtime"
  chmod 700 "$work/runtime"
  trap 'fusermount -u -z "$drive" 2>/dev/null || true' EXIT
  fuseiso "$iso" "$drive"
  for _ in $(seq 100); do
    findmnt -rn "$drive" >/dev/null && break
    sleep 0.05
  done
  export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
  export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
  "$tree/usr/bin/quorvix-disc-setup"
  grep -q "^WorkDir=$XDG_DATA_HOME/quorvix-player/QuorvixSample" \
    "$XDG_CONFIG_HOME/quorvix-player/QuorvixSample.ini"
  xvfb-run -a -s '-screen 0 1280x1024x24' bash "$root/scripts/package.sh" --drive "$tree" "$work" "$shot"
  exit 0
fi

# Under Xvfb: start, wait for the disc to load, take the picture, press Exit.
if [ "${1:-}" = --drive ]; then
  tree=$2 work=$3 shot=$4
  "$tree/usr/bin/quorvix-player" >"$work/player.log" 2>&1 &
  pid=$!
  windows() { xdotool search --all --onlyvisible --pid "$pid" --name '^Quorvix Player$' 2>/dev/null || true; }
  # Bar and video window at start; the catalog window joins them once the
  # disc's catalog has loaded.
  for _ in $(seq 100); do
    [ "$(windows | wc -l)" -ge 3 ] && break
    sleep 0.1
  done
  if [ "$(windows | wc -l)" -lt 3 ]; then
    echo "package: the installed program did not load the sample disc" >&2
    cat "$work/player.log" >&2
    kill "$pid"
    exit 1
  fi
  sleep 2
  /usr/bin/import -window root "$shot"
  # The bar is the 625 x 92 window; Exit's place on it is the one the
  # user-level tests press.
  read -r exit_x exit_y < <(sed -n 's/.*QPoint Exit(\([0-9]*\), *\([0-9]*\)).*/\1 \2/p' \
    "$(dirname "$0")/../tests/userlevel/UserDriver.h")
  for w in $(windows); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    if [ "$WIDTH" = 625 ] && [ "$HEIGHT" = 92 ]; then
      # The button takes the press once the pointer has entered it.
      xdotool mousemove $((X + exit_x)) $((Y + exit_y)) sleep 0.3 click 1
      break
    fi
  done
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "package: the installed program did not end on Exit" \
      "($(windows | wc -l) of its windows still shown)" >&2
    kill "$pid"
    exit 1
  fi
  wait "$pid"
  exit 0
fi

build=$(realpath "${1:-build}")
out=$build/package
ninja -C "$build" -j2 quorvix-player quorvix-disc-setup packaging_files make_sample_disc
rm -rf "$out"
mkdir -p "$out"
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log")
deb=$(ls "$out"/quorvix-player_*.deb)
lintian --fail-on error "$deb"
apt-get install --simulate -qq "$deb" >/dev/null

tree="$out/tree"
dpkg-deb -x "$deb" "$tree"
desktop-file-validate "$tree"/usr/share/applications/quorvix-{player,author}.desktop
appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.metainfo.xml
# Each translated manual page is in the package where man finds it for its
# language, as written, and reads without a warning (lintian, which fails
# here only on errors, just reports those).
for source in packaging/*/*.1; do
  lang=$(basename "$(dirname "$source")")
  page="$tree/usr/share/man/$lang/man1/$(basename "$source").gz"
  if [ ! -f "$page" ] || ! zcat "$page" | cmp -s - "$source"; then
    echo "package: $source is not in the package as $page" >&2
    exit 1
  fi
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  if [ -n "$warnings" ]; then
    printf 'package: man warns about %s:\n%s\n' "$page" "$warnings" >&2
    exit 1
  fi
done
if [ ! -f "$tree/usr/share/man/ru/man1/quorvix-player.1.gz" ]; then
  echo "package: the Russian manual page is missing" >&2
  exit 1
fi
if grep -rlF -e "$root" -e "$build" "$tree"; then
  echo "package: the files above name the source or build folder" >&2
  exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/quorvix-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
"$build/tools/make_sample_disc" "$work/disc" --iso "$work/disc.iso"
unshare -m --propagation private bash "$root/scripts/package.sh" --inside "$tree" "$work/disc.iso" \
  "$work" "$out/screenshot.png"
echo "package: $deb installs, validates and runs"
