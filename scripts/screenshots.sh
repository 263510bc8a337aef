#!/usr/bin/env bash
# Remakes the screenshots in docs/: each window after a report, at 100 % and 200 % scale.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
"$ROOT/scripts/ensure-packages.sh" "${RUNTIME_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
configure_and_build "$ROOT/build/run" >/dev/null
for scale in 1 2; do
  suffix=$([ "$scale" = 1 ] && echo "" || echo "@${scale}x")
  QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale \
    "$ROOT/build/run/scripts/screenshots/screenshots" "$ROOT/docs" "$suffix"
done
ls "$ROOT"/docs/*.png
