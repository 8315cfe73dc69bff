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

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_SANITIZE=OFF -DQV_BENCH=ON
rescan_moc build
ninja -C build -j2
xvfb ctest --test-dir build --output-on-failure -LE userlevel

# The user-level layer drives the real program in X servers of its own:
# once without a window manager, once under openbox.
ctest --test-dir build --output-on-failure -L userlevel
QV_USERLEVEL_WM=openbox ctest --test-dir build --output-on-failure -L userlevel

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
xvfb ctest --test-dir build-asan --output-on-failure -LE 'userlevel|soak'

# Fuzz targets, briefly; clang builds them apart from the trees above.
bash scripts/fuzz.sh
