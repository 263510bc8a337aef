#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test.
#   scripts/test.sh              the normal build, in build/test
#   scripts/test.sh --sanitize   the same tests under AddressSanitizer and UBSan, in build/asan
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$ROOT/scripts/ensure-packages.sh" "${RUNTIME_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

dir="$ROOT/build/test"
args=(-DKVO_WERROR=ON)
if [ "${1:-}" = --sanitize ]; then
  dir="$ROOT/build/asan"
  args+=(-DKVO_SANITIZE=ON -DKVO_BUILD_BENCH=OFF)
  export LSAN_OPTIONS=suppressions=$ROOT/tests/sanitizer/lsan.supp:print_suppressions=0
fi
configure_and_build "$dir" "${args[@]}"
ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)"
