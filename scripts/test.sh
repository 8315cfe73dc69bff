#!/usr/bin/env bash
# The test command: installs what is needed, builds, runs every test (two
# side by side, each drawing test on an X server of its own), runs the
# benchmarks briefly, then builds and tests again with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs the fuzz targets briefly. It ends with
# the time of each stage and the ten slowest tests.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

# The window managers under which the desktop scenarios of the user-level
# layer run (suites named Desktop..., also as Desktop/Suite or Prefix/Desktop...).
window_managers=(openbox mutter xfwm4 metacity)
desktop_scenarios='^([^./]*/)?Desktop[^.]*\.'

# Each stage's wall time, printed at the end even when a stage fails.
stage_names=() stage_seconds=() stage="" stage_start=0 run_start=$SECONDS
end_stage() {
  if [ -n "$stage" ]; then
    stage_names+=("$stage")
    stage_seconds+=($((SECONDS - stage_start)))
  fi
  stage=""
}
begin() {
  end_stage
  stage=$1 stage_start=$SECONDS
}
report() {
  local status=$? failed=$stage
  end_stage
  echo
  echo "Stage                         Wall time"
  for i in "${!stage_names[@]}"; do
    printf '%-28s %6d s%s\n' "${stage_names[$i]}" "${stage_seconds[$i]}" \
      "$([ "${stage_names[$i]}" = "$failed" ] && [ "$status" -ne 0 ] && echo '  FAILED')"
  done
  printf '%-28s %6d s\n' "whole run" $((SECONDS - run_start))
  echo
  bash scripts/slowest-tests.sh 10 build/ctest-runs build-asan/ctest-runs || true
  exit "$status"
}
trap report EXIT

begin setup
bash scripts/setup.sh
rm -rf build/ctest-runs build-asan/ctest-runs

# Automoc can miss headers that a merge brought in with older times than its
# last run; forgetting its time stamps makes it look at every header again.
rescan_moc() { if [ -d "$1" ]; then find "$1" -path '*_autogen/timestamp' -delete; fi; }

# A test that needs /dev/fuse, fuseiso or a window manager fails here instead
# of skipping. Each run ends with how many tests were skipped, and why.
export QV_REQUIRE_ALL=1
run_tests() { # build folder, name of the run, then ctest's own arguments
  local reports="$root/$1/test-reports" status=0
  rm -rf "$reports"
  bash scripts/ctest.sh "$1" --output-on-failure --output-junit "$root/$1/ctest-runs/$2.xml" \
    "${@:3}" || status=$?
  bash scripts/skipped-summary.sh "$reports"
  return $status
}

# The floors of the program: no include climbs one.
begin layers
bash scripts/check-layers.sh

# Every shipped language complete, every text shown to the user translatable.
begin translations
bash scripts/check-translations.sh

begin build
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_SANITIZE=OFF -DQV_BENCH=ON
rescan_moc build
ninja -C build -j2

begin "unit tests"
run_tests build unit -LE 'userlevel|sound|soak'

# The tests that listen, each beside a private sound server of its own
# (scripts/sound-server.sh).
begin sound
run_tests build sound -L sound

# The user-level layer drives the real program in X servers of its own: all
# of it once without a window manager, then the desktop scenarios under each
# window manager.
# One at a time: each scenario waits on a real program, and two of them on
# two cores starve each other's programs into timing failures.
begin "user-level, no WM"
QV_CTEST_JOBS=1 run_tests build userlevel -L userlevel
for wm in "${window_managers[@]}"; do
  begin "user-level, $wm"
  QV_CTEST_JOBS=1 QV_USERLEVEL_WM=$wm run_tests build "userlevel-$wm" -L userlevel \
    -R "$desktop_scenarios" --no-tests=ignore
done

# Soak: long real-engine runs (about three minutes), once, in this build only.
begin soak
run_tests build soak -L soak

# The Debian package from the same tree: validated, unpacked, started on a disc.
begin package
bash scripts/package.sh build

# Only keeps the benchmarks from rotting; numbers come from a longer run.
begin benchmarks
if [ -x build/bench/qv_bench ]; then
  xvfb-run -a -s '-screen 0 1280x1024x24' build/bench/qv_bench --benchmark_min_time=0.01 \
    >build/bench-brief.txt
fi

# Only what the unit tests run: no user-level, sound or soak tests, no
# benchmarks and no tool that no test starts.
begin "sanitizer build"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQV_SANITIZE=ON -DQV_BENCH=OFF
rescan_moc build-asan
ninja -C build-asan -j2 unit_tests

begin "sanitizer tests"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/scripts/sanitizer-suppressions.txt:print_suppressions=0"
run_tests build-asan unit

# Fuzz targets, briefly; clang builds them apart from the trees above.
begin fuzz
bash scripts/fuzz.sh
