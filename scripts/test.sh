#!/usr/bin/env bash
# Sets up, builds and runs every test: the whole suite plain and under AddressSanitizer
# with UndefinedBehaviorSanitizer, then each fuzzer for a short while.
#   FUZZ_SECONDS   seconds per fuzzer (default 20; 0 skips the fuzzers)
#   JOBS           parallel build and test jobs (default: all cores)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup.sh

jobs=${JOBS:-$(nproc)}
fuzz_seconds=${FUZZ_SECONDS:-20}
logs="$root/build/logs"
mkdir -p "$logs"
passed=0
failed=0

run_suite() {  # name, extra cmake arguments...
  local name=$1; shift
  local dir="$root/build/$name"
  echo "=== $name: build"
  cmake -S "$root" -B "$dir" -G Ninja -DZELVANE_BENCH=ON -DZELVANE_E2E_ARTIFACTS="$logs/e2e-$name" "$@" \
    > "$logs/$name-configure.log"
  cmake --build "$dir" -j "$jobs"
  echo "=== $name: test"
  local status=0
  ( cd "$dir" && ctest --output-on-failure -j "$jobs" --timeout 600 ) 2>&1 | tee "$logs/$name-ctest.log" || status=$?
  local line
  line=$(grep -E '^[0-9]+% tests passed' "$logs/$name-ctest.log" | tail -n 1 || true)
  if [[ $line =~ ([0-9]+)\ tests\ failed\ out\ of\ ([0-9]+) ]]; then
    failed=$((failed + BASH_REMATCH[1]))
    passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
  else
    failed=$((failed + 1))
  fi
  return $status
}

suite_status=0
run_suite plain || suite_status=1
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions="$root/scripts/lsan.supp":print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_suite sanitize -DZELVANE_SANITIZE=ON || suite_status=1

if [ "$fuzz_seconds" -gt 0 ]; then
  echo "=== fuzz: build"
  fuzz_dir="$root/build/fuzz"
  CXX=clang++ cmake -S "$root" -B "$fuzz_dir" -G Ninja -DZELVANE_FUZZ=ON -DZELVANE_UI=OFF \
    -DZELVANE_TESTS=OFF -DZELVANE_BENCH=OFF > "$logs/fuzz-configure.log"
  cmake --build "$fuzz_dir" -j "$jobs"
  for fuzzer in "$fuzz_dir"/fuzz/fuzz_*; do
    [ -x "$fuzzer" ] || continue
    name=$(basename "$fuzzer"); name=${name#fuzz_}
    corpus="$root/build/fuzz-corpus/$name"
    mkdir -p "$corpus"
    seeds=()
    [ -d "$root/fuzz/corpus/$name" ] && seeds=("$root/fuzz/corpus/$name")
    echo "=== fuzz: $name for ${fuzz_seconds}s"
    if ( cd "$logs" && "$fuzzer" -max_total_time="$fuzz_seconds" -max_len=65536 -timeout=10 \
           -rss_limit_mb=2048 "$corpus" "${seeds[@]}" > "$logs/fuzz-$name.log" 2>&1 ); then
      passed=$((passed + 1))
    else
      failed=$((failed + 1))
      tail -n 40 "$logs/fuzz-$name.log"
    fi
  done
fi

echo
echo "tests: $passed passed, $failed failed"
[ "$suite_status" -eq 0 ] && [ "$failed" -eq 0 ]
