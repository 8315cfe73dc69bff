#!/usr/bin/env bash
# Runs one layer of tests N times in an existing build, as the test command
# runs it (scripts/ctest.sh, QV_REQUIRE_ALL=1), and prints how many times
# each test passed:
#   scripts/flaky.sh N [LABEL]
# LABEL is a ctest label (userlevel, sound, soak); without one, the unit
# layer (the tests with none of them). QV_USERLEVEL_WM and BUILD_DIR (build)
# are passed on; more ctest arguments can be given in FLAKY_CTEST_ARGS,
# e.g. FLAKY_CTEST_ARGS="-R Desktop".
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:?usage: scripts/flaky.sh N [LABEL]}
build=${BUILD_DIR:-build}
if [ -n "${2:-}" ]; then
  select=(-L "^$2\$")
else
  select=(-LE 'userlevel|sound|soak')
fi
export QV_REQUIRE_ALL=1
reports=$(mktemp -d /tmp/qv-flaky.XXXXXX)
trap 'rm -rf "$reports"' EXIT

for run in $(seq "$runs"); do
  echo "== run $run of $runs"
  # shellcheck disable=SC2086
  bash scripts/ctest.sh "$build" --output-junit "$reports/$run.xml" "${select[@]}" \
    ${FLAKY_CTEST_ARGS:-} || true
done

# <testcase name="Suite.Test" classname="Suite.Test" time="1.23" status="run|fail|notrun">
echo
echo "Passes out of $runs"
cat "$reports"/*.xml |
  sed -n 's/.*<testcase name="\([^"]*\)".* status="\([a-z]*\)".*/\1 \2/p' |
  awk -v runs="$runs" '
    { seen[$1] = 1; if ($2 == "run") passed[$1]++; if ($2 == "notrun") skipped[$1]++ }
    END {
      for (name in seen)
        printf "%4d/%d  %s%s\n", passed[name], runs, name,
          skipped[name] ? " (skipped " skipped[name] ")" : ""
    }' | sort -k2
