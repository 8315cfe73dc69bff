#!/usr/bin/env bash
# Makes one sample disc for a test run as FOLDER/disc and FOLDER/disc.iso,
# unless it was made by the tool as it is now:
#   sample-disc.sh MAKE_SAMPLE_DISC FOLDER VOLUME KIND
set -euo pipefail
tool=$1 folder=$2 volume=$3 kind=$4
if [ "$folder/disc.iso" -nt "$tool" ]; then
  exit 0
fi
# Made aside and moved in whole: an interrupted run leaves no half disc.
rm -rf "$folder" "$folder.new"
mkdir -p "$folder.new"
"$tool" "$folder.new/disc" --volume "$volume" --kind "$kind" --iso "$folder.new/disc.iso"
mv "$folder.new" "$folder"
