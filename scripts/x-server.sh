#!/usr/bin/env bash
# Runs a command on an X server that no other test draws on, so that two
# tests side by side can't take each other's focus or cover each other:
#   scripts/x-server.sh COMMAND [ARGUMENTS...]
# Under scripts/ctest.sh, ctest hands each test one of the Xvfb displays that
# script started, never to two tests at once (CTEST_RESOURCE_GROUP_0_DISPLAY).
# Otherwise (ctest alone, or by hand) an Xvfb is started for the command and
# ends with it.
set -euo pipefail

if [ -n "${CTEST_RESOURCE_GROUP_0_DISPLAY:-}" ]; then
  given=${CTEST_RESOURCE_GROUP_0_DISPLAY#id:} # id:NUMBER,slots:1
  export DISPLAY=:${given%%,*}
  exec "$@"
fi

work=$(mktemp -d /tmp/qv-xvfb.XXXXXX)
server=""
stop() {
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap stop EXIT

# Xvfb picks a free display itself and names it once it accepts clients.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
number=""
read -r number <"$work/display" || true
if [ -z "$number" ]; then
  cat "$work/xvfb.log" >&2
  echo "x-server.sh: Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=:$number
unset XAUTHORITY WAYLAND_DISPLAY
"$@"
