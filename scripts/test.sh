#!/usr/bin/env bash
# The test command: installs what is needed, builds, runs every test under a
# virtual X server, runs the benchmarks briefly, then builds and tests again
# with AddressSanitizer and UndefinedBehaviorSanitizer, and runs the fuzz
# targets briefly.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup.sh

xvfb() { xvfb-run -a -s '-screen 0 1280x1024x24' "$@"; }
# Automoc can miss headers that a merge brought in with older times than its
# last run; forgetting its time stamps makes it look at every header again.
rescan_moc() { if [ -d "$1" ]; then find "$1" -path '*_autogen/timestamp' -delete; fi; }

# A test that needs /dev/fuse, fuseiso or openbox fails here instead of
# skipping. Each run ends with how many tests were skipped, and why.
export QV_REQUIRE_ALL=1
run_tests() { # build folder, then ctest's own arguments
  local reports="$root/$1/test-reports" status=0
  rm -rf "$reports"
  GTEST_OUTPUT="xml:$reports/" xvfb ctest --test-dir "$1" --output-on-failure "${@:2}" || status=$?
  bash scripts/skipped-summary.sh "$reports"
  return $status
}

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_SANITIZE=OFF -DQV_BENCH=ON
rescan_moc build
ninja -C build -j2
run_tests build -LE 'userlevel|sound|soak'

# The tests that listen, each ctest entry beside a private sound server of its
# own (scripts/sound-server.sh).
run_tests build -L sound

# The user-level layer drives the real program in X servers of its own:
# once without a window manager, once under openbox.
run_tests build -L userlevel
QV_USERLEVEL_WM=openbox run_tests build -L userlevel

# Soak: long real-engine runs (about three minutes), once, in this build only.
run_tests build -L soak

# The Debian package from the same tree: validated, unpacked, started on a disc.
bash scripts/package.sh build

# Only keeps the benchmarks from rotting; numbers come from a longer run.
if [ -x build/bench/qv_bench ]; then
  xvfb build/bench/qv_bench --benchmark_min_time=0.01 >build/bench-brief.txt
fi

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQV_SANITIZE=ON -DQV_BENCH=OFF
rescan_moc build-asan
ninja -C build-asan -j2
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/scripts/sanitizer-suppressions.txt:print_suppressions=0"
run_tests build-asan -LE 'userlevel|soak|sound'

# Fuzz targets, briefly; clang builds them apart from the trees above.
bash scripts/fuzz.sh
