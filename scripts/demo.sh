#!/usr/bin/env bash
# The run command: builds the player, makes a sample disc, mounts its image as
# the disc in the drive, and starts the player. The disc is taken out when the
# player ends.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ninja -C build -j2 Quorvix_Player make_sample_disc

work=$(mktemp -d "${TMPDIR:-/tmp}/quorvix-demo.XXXXXX")
drive="$work/cdrom"
cleanup() {
  if grep -qF " $drive " /proc/self/mountinfo; then fusermount -u -z "$drive" || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

volume=1
build/tools/make_sample_disc "$work/disc" --volume "$volume" --iso "$work/disc.iso"
mkdir -p "$drive"
fuseiso "$work/disc.iso" "$drive"
for _ in $(seq 200); do
  grep -qF " $drive " /proc/self/mountinfo && break
  sleep 0.05
done

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: running the player on a virtual X server (nothing will be visible)." >&2
  xvfb-run -a -s '-screen 0 1280x1024x24' build/Quorvix_Player
else
  QT_QPA_PLATFORM=xcb build/Quorvix_Player
fi
