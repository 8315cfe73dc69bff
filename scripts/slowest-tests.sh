#!/usr/bin/env bash
# Prints the slowest tests with their wall times, from the JUnit reports
# that ctest wrote (--output-junit) into the given folders, one per run:
#   scripts/slowest-tests.sh COUNT FOLDER...
set -euo pipefail
count=$1
shopt -s nullglob
reports=()
for folder in "${@:2}"; do reports+=("$folder"/*.xml); done
if [ ${#reports[@]} -eq 0 ]; then
  echo "Slowest tests: no ctest reports"
  exit 0
fi
echo "Slowest $count tests (seconds, tree/run, test)"
for report in "${reports[@]}"; do
  run=$(basename "$(dirname "$(dirname "$report")")")/$(basename "$report" .xml)
  # <testcase name="Suite.Test" classname="Suite.Test" time="1.23" status="run">
  sed -n 's/.*<testcase name="\([^"]*\)".* time="\([0-9.]*\)".*/\2 \1/p' "$report" |
    while read -r seconds name; do printf '%10.1f  %-22s %s\n' "$seconds" "$run" "$name"; done
done | sort -rn | head -n "$count"
