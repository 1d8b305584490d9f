#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: first in the normal
# build, then again with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-deps.sh"

run_suite() {
  local build=$1
  shift
  "$root/scripts/configure-build.sh" "$build" "$@"
  ctest --test-dir "$build" -j2 --output-on-failure --timeout 600
}

run_suite "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo

# CI gives a run 90 minutes; the sanitized pass takes about as long as the
# first one, so it runs only while that leaves room.
budget=${VELDORIN_SANITIZE_BUDGET_SECONDS:-2400}
if ((SECONDS > budget)); then
  echo "Skipping the sanitized pass: the first pass took ${SECONDS}s (budget ${budget}s)."
  exit 0
fi

# The database client and Qt keep some memory until the process ends; only
# leaks of our own code count.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$root/tests/support/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DVELDORIN_SANITIZE=ON -DVELDORIN_BENCH=OFF
