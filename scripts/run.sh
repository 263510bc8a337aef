#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$ROOT/scripts/ensure-packages.sh" "${RUNTIME_PACKAGES[@]}"
configure_and_build "$ROOT/build/run" -DKVO_BUILD_TESTS=OFF -DKVO_BUILD_BENCH=OFF
program="$ROOT/build/run/app/riziko-infarktu"
if [ ! -x "$program" ]; then
  echo "Built the risk core; the program's window is not there yet."
  exit 0
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display: Riziko infarktu needs a graphical desktop (DISPLAY or WAYLAND_DISPLAY is unset)." >&2
  exit 1
fi
exec "$program" "$@"
