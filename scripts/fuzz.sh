#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a short time on its committed
# corpus. Skipped when clang or its libFuzzer runtime is not installed; with
# QV_REQUIRE_ALL=1 (as in CI) that is a failure instead.
#   FUZZ_SECONDS=600 bash scripts/fuzz.sh          # longer runs
#   FUZZ_TARGETS="jpeg names" bash scripts/fuzz.sh # some targets only
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-20}
targets=${FUZZ_TARGETS:-catalog playlist settings shape jpeg names}
# The compiler whose runtime (libclang-rt-14-dev) scripts/setup.sh installs.
cxx=${FUZZ_CXX:-clang++-14}

probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' \
  >"$probe/probe.cpp"
fuzzer_works() {
  command -v "$cxx" >/dev/null || { echo "$cxx: not found"; return 1; }
  "$cxx" -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" &&
    "$probe/probe" -runs=1
}
if ! fuzzer_works >"$probe/probe.log" 2>&1; then
  if [ -n "${QV_REQUIRE_ALL:-}" ]; then
    echo "fuzz: FAILED: $cxx cannot build or run a libFuzzer target:"
    cat "$probe/probe.log"
    exit 1
  fi
  echo "fuzz: $cxx with libFuzzer is not installed; fuzz targets skipped"
  exit 0
fi

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER="$cxx" "${launcher[@]}" >/dev/null
ninja -C build-fuzz -j2

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
passed=0
failed=0
for target in $targets; do
  # New inputs go to a scratch folder; the committed corpus only seeds.
  work="$probe/$target"
  mkdir -p "$work"
  dict=()
  if [ -f "fuzz/$target.dict" ]; then dict=(-dict="fuzz/$target.dict"); fi
  if build-fuzz/fuzz_$target "${dict[@]}" "$work" "fuzz/corpus/$target" -max_total_time="$seconds" \
       -max_len=8192 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="build-fuzz/$target-" >"build-fuzz/$target.log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "build-fuzz/$target.log" | grep -o '[0-9]*$')
    echo "fuzz $target: ${runs:-?} executions in ${seconds} s, nothing found"
    passed=$((passed + 1))
  else
    echo "fuzz $target: FAILED (input saved as build-fuzz/$target-*)"
    tail -n 40 "build-fuzz/$target.log"
    failed=$((failed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
