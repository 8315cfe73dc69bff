#!/usr/bin/env bash
# Fails when an include climbs a floor of the program. The floors, bottom up:
#   platform/                              the Linux stand-ins, no window of ours
#   media/ skin/ catalog/                  each on platform/ only
#   catalogwin/ video/ volume/ player/     the windows, on any floor below
#   author/                                the disc author's core, beside them
#   shell/                                 start-up, on everything
# Tools, tests, benchmarks and fuzz targets stand outside and may include any.
# Only media/ includes the engine's headers.
set -euo pipefail
cd "$(dirname "$0")/.."

# Units that every floor may include, and why.
allowed_everywhere=(
  shell/Pathes.h # finding the disc and its files: every floor reads the disc
  shell/StrBox.h # splitting single-byte text lines, as every reader of disc text does
)
# The windows reach one another through their globals (MainForm, CatForm2,
# VidOutForm, CaptionForm), as each window's handlers use the others: they
# stand on one floor, so that circle is no climb.

floor_of() {
  case $1 in
  platform) echo 0 ;;
  media | skin | catalog) echo 1 ;;
  catalogwin | video | volume | player | author) echo 2 ;;
  shell) echo 3 ;;
  *) echo "" ;;
  esac
}

failures=0
fail() {
  echo "check-layers: $1" >&2
  failures=$((failures + 1))
}

while IFS= read -r file; do
  folder=${file%%/*}
  floor=$(floor_of "$folder")
  [ -n "$floor" ] || continue
  while IFS=: read -r line included; do
    target=${included%%/*}
    target_floor=$(floor_of "$target")
    [ -n "$target_floor" ] || continue
    [ "$target" = "$folder" ] && continue
    for allowed in "${allowed_everywhere[@]}"; do
      [ "$included" = "$allowed" ] && continue 2
    done
    if [ "$target_floor" -gt "$floor" ]; then
      fail "$file:$line includes $included, a floor above $folder/"
    elif [ "$floor" = 1 ] && [ "$target_floor" = 1 ]; then
      fail "$file:$line includes $included: $folder/ stands on platform/ only"
    fi
  done < <(grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" |
    sed 's/^\([0-9]*\):[^"]*"\([^"]*\)".*/\1:\2/' || true)
done < <(git ls-files -- '*.h' '*.cpp')

while IFS=: read -r file line _; do
  case $file in media/*) ;; *) fail "$file:$line names the engine; only media/ does" ;; esac
done < <(git grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*<mpv/' -- '*.h' '*.cpp' || true)

if [ "$failures" -gt 0 ]; then
  echo "check-layers: $failures include(s) out of place" >&2
  exit 1
fi
echo "check-layers: every include stands on its floor"
