#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang (AddressSanitizer,
# UndefinedBehaviorSanitizer, libFuzzer) and runs each over its corpus.
#   scripts/fuzz.sh                 each target for 2000 runs (what scripts/test.sh does)
#   scripts/fuzz.sh --runs N        each target for N runs
#   scripts/fuzz.sh --seconds S     each target for S seconds; new inputs are kept in build-fuzz/found/<target>
#   scripts/fuzz.sh ... TARGET...   only these targets
# A finding stops the run: its input is saved in build-fuzz/artifacts/ and the script exits 1.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/build-env.sh

limit=(-runs=2000)
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) limit=(-runs="$2"); shift 2 ;;
    --seconds) limit=(-max_total_time="$2"); shift 2 ;;
    *) targets+=("$1"); shift ;;
  esac
done

quillon_configure build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLON_FUZZ=ON \
  -DQUILLON_WITH_SHELL=OFF -DQUILLON_WITH_BENCH=OFF -DQUILLON_PCH=OFF
if ! ninja -C build-fuzz quillon_fuzzers >build-fuzz/build.log 2>&1; then
  grep -E -A6 '^FAILED|error:' build-fuzz/build.log | head -60
  echo "fuzz: the fuzz targets did not build (build-fuzz/build.log)"
  exit 1
fi

if [ ${#targets[@]} -eq 0 ]; then
  for corpus in tests/fuzz/corpus/*/; do targets+=("$(basename "$corpus")"); done
fi
mkdir -p build-fuzz/artifacts
passed=0
failed=0
for target in "${targets[@]}"; do
  found="build-fuzz/found/$target"
  mkdir -p "$found"
  log="build-fuzz/$target.log"
  # New inputs go to the first folder, so the committed corpus stays as it is.
  if QUILLON_MODULE_DIR="$PWD/build-fuzz" ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 "build-fuzz/tests/fuzz/$target" "${limit[@]}" \
      -max_len=65536 -rss_limit_mb=2048 -timeout=25 -artifact_prefix="build-fuzz/artifacts/$target-" \
      "$found" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
    echo "fuzz $target: $(grep -E '^Done [0-9]+ runs' "$log" | tail -1)"
    passed=$((passed + 1))
  else
    echo "fuzz $target: FINDING (see $log and build-fuzz/artifacts/)"
    tail -30 "$log"
    failed=$((failed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
