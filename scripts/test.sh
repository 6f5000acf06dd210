#!/usr/bin/env bash
# Installs what is needed, builds everything and runs the whole test suite:
# once as built (warnings are errors), the fuzz targets for a short run each,
# once more for every test program,
# the desktop program's included, under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
source scripts/build-env.sh

jobs=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

quillon_configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLON_WERROR=ON
ninja -C build
(cd build && ctest --output-on-failure -j"$jobs" --timeout 300)
# Numbers are written and read the same in every locale: the desktop
# program's and the commands' tests once more in a German one (decimal commas).
(cd build && LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 QUILLON_TEST=1 ./app_tests --gtest_brief=1 &&
  LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 QUILLON_TEST=1 shell/shell_tests --gtest_brief=1)

# Every reader of outside input under libFuzzer, a fixed number of runs each.
scripts/fuzz.sh --runs 2000

# The sanitizer build makes only the test programs (and the desktop program
# the shell's tests start); benchmarks and quillon-cli are left out.
quillon_configure build-asan -DCMAKE_BUILD_TYPE=Debug -DQUILLON_WERROR=ON -DQUILLON_SANITIZE=ON \
  -DQUILLON_WITH_BENCH=OFF
ninja -C build-asan quillon_tests
suppressions="$PWD/scripts/lsan-suppressions.txt"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS="suppressions=$suppressions" ctest --output-on-failure -j"$jobs" --timeout 600)
