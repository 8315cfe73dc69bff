#!/usr/bin/env bash
# Runs a test under the leak checker and once more when the checker itself
# crashed at exit ("Tracer caught signal"):
#   scripts/lsan-retry.sh COMMAND [ARGUMENTS...]
# That crash is the checker's stop-the-world tracer failing on a thread that
# was ending as it stopped them; it is no leak and rarely comes twice. The
# second run's result stands, and any other failure, a leak report among
# them, stands at once.
set -uo pipefail

errors=$(mktemp /tmp/qv-lsan.XXXXXX)
trap 'rm -f "$errors"' EXIT

# The errors go on to stderr as they come, and to the file.
run() {
  { "$@" 2>&1 1>&3 3>&- | tee "$errors" >&2; } 3>&1
  return "${PIPESTATUS[0]}"
}

tracer_crashed() {
  grep -q '^Tracer caught signal' "$errors" &&
    grep -q 'LeakSanitizer has encountered a fatal error' "$errors" &&
    ! grep -q 'ERROR: LeakSanitizer: detected memory leaks' "$errors"
}

run "$@"
status=$?
if [ $status -ne 0 ] && tracer_crashed; then
  echo "lsan-retry.sh: the leak checker's tracer crashed at exit; once more" >&2
  run "$@"
  status=$?
fi
exit $status
