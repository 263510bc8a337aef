#!/usr/bin/env bash
# Start-up cost: time to the mapped main window and resident memory, the program against a bare
# Qt window of the same size, interleaved on one X server (Xvfb).
# Usage: bench/startup.sh [ROUNDS]    (builds build/bench first)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/common.sh"
rounds=${1:-20}

"$root/scripts/ensure-packages.sh" "${RUNTIME_PACKAGES[@]}" "${TEST_PACKAGES[@]}" libx11-dev
configure_and_build "$root/build/bench" -DCMAKE_BUILD_TYPE=Release -DKVO_BUILD_TESTS=OFF >/dev/null
bin="$root/build/bench"

# Xvfb picks a free display and writes its number once it is ready.
exec {ready}<> <(:)
Xvfb -displayfd "$ready" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
read -r -t 10 number <&"$ready" || { echo "Xvfb did not start"; exit 1; }
display=:$number
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
export DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

program=$bin/app/riziko-infarktu
bare=$bin/bench/startup/bare_window
: >"$bin/startup-program.txt"
: >"$bin/startup-bare.txt"
# One start of each to warm the page cache, then interleaved rounds.
"$bin/bench/startup/time_to_map" "$program" >/dev/null
"$bin/bench/startup/time_to_map" "$bare" >/dev/null
for _ in $(seq "$rounds"); do
  "$bin/bench/startup/time_to_map" "$program" >>"$bin/startup-program.txt"
  "$bin/bench/startup/time_to_map" "$bare" >>"$bin/startup-bare.txt"
done

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
p_ms=$(cut -d' ' -f1 "$bin/startup-program.txt" | median)
b_ms=$(cut -d' ' -f1 "$bin/startup-bare.txt" | median)
p_kib=$(cut -d' ' -f2 "$bin/startup-program.txt" | median)
b_kib=$(cut -d' ' -f2 "$bin/startup-bare.txt" | median)
printf '%-18s %12s %14s\n' "" "median ms" "median RSS KiB"
printf '%-18s %12s %14s\n' riziko-infarktu "$p_ms" "$p_kib" bare-window "$b_ms" "$b_kib"
awk -v pm="$p_ms" -v bm="$b_ms" -v pk="$p_kib" -v bk="$b_kib" 'BEGIN {
  printf "ratio: time %.3f (target 1.15), memory %.3f (target 1.25), %s rounds\n", pm/bm, pk/bk, '"$rounds"' }'
