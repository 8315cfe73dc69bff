#!/usr/bin/env bash
# Runs ctest in a build folder as the test command does: two tests side by
# side, each on an X server that only it uses while it runs:
#   scripts/ctest.sh BUILD_FOLDER [CTEST ARGUMENTS...]
# Two Xvfb servers live as long as the run; ctest lends each test that draws
# one of them (its "display" resource, read by scripts/x-server.sh). Each
# server starts afresh when its test's last window goes.
set -euo pipefail
build=$1
jobs=${QV_CTEST_JOBS:-2}

work=$(mktemp -d /tmp/qv-ctest.XXXXXX)
servers=()
stop() {
  for server in "${servers[@]}"; do kill "$server" 2>/dev/null || true; done
  for server in "${servers[@]}"; do wait "$server" 2>/dev/null || true; done
  rm -rf "$work"
}
trap stop EXIT

displays=()
for i in $(seq "$jobs"); do
  mkfifo "$work/display$i"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display$i" 2>"$work/xvfb$i.log" &
  servers+=($!)
  number=""
  read -r number <"$work/display$i" || true
  if [ -z "$number" ]; then
    cat "$work/xvfb$i.log" >&2
    echo "ctest.sh: Xvfb did not start" >&2
    exit 1
  fi
  displays+=("{\"id\": \"$number\", \"slots\": 1}")
done
spec=$work/resources.json
(
  IFS=,
  echo "{\"version\": {\"major\": 1, \"minor\": 0}, \"local\": [{\"display\": [${displays[*]}]}]}"
) >"$spec"

unset XAUTHORITY DISPLAY WAYLAND_DISPLAY
ctest --test-dir "$build" -j"$jobs" --resource-spec-file "$spec" "${@:2}"
