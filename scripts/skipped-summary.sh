#!/usr/bin/env bash
# Prints how many tests were skipped and why, from the XML reports that the
# tests wrote into the given folder and the folders below it (one report per
# test, as ctest runs them).
set -euo pipefail
reports=()
if [ -d "$1" ]; then mapfile -t reports < <(find "$1" -name '*.xml' | sort); fi
if [ ${#reports[@]} -eq 0 ]; then
  echo "Skipped tests: no test reports in $1"
  exit 0
fi
awk '
  function attribute(line, key,    found) {
    if (!match(line, " " key "=\"[^\"]*\"")) return ""
    found = substr(line, RSTART + length(key) + 3, RLENGTH - length(key) - 4)
    gsub(/&#x0A;/, ": ", found); gsub(/&quot;/, "\"", found); gsub(/&apos;/, "\x27", found)
    gsub(/&lt;/, "<", found); gsub(/&gt;/, ">", found); gsub(/&amp;/, "\\&", found)
    return found
  }
  /<testcase / { test = attribute($0, "classname") "." attribute($0, "name") }
  /<skipped / { reasons[++count] = "  " test " -- " attribute($0, "message") }
  END {
    print "Skipped tests: " count + 0
    for (i = 1; i <= count; ++i) print reasons[i]
  }' "${reports[@]}"
