#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang 19 (ASan + UBSan), replays the kept
# regression inputs, then fuzzes each target for a bounded time.
#   scripts/fuzz.sh [SECONDS_PER_TARGET]    (default 30)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
seconds=${1:-30}

"$ROOT/scripts/ensure-packages.sh" clang-19 libclang-rt-19-dev
out="$ROOT/build/fuzz"
mkdir -p "$out"
core=("$ROOT/model/risk_model.cpp" "$ROOT/model/number_text.cpp"
      "$ROOT/main_window/risk_report.cpp")
flags=(-std=c++23 -O1 -g -ffp-contract=off -fsanitize=fuzzer,address,undefined
       -fno-sanitize-recover=all -I"$ROOT")

status=0
for target in number_text risk_report; do
  binary="$out/${target}_fuzz"
  clang++-19 "${flags[@]}" "$ROOT/tests/fuzz/${target}_fuzz.cpp" "${core[@]}" -o "$binary"
  regressions=("$ROOT/tests/fuzz/regressions/$target"/*)
  if [ -e "${regressions[0]}" ]; then
    "$binary" "${regressions[@]}" >"$out/$target-regressions.log" 2>&1 || {
      echo "$target: a kept regression input fails again, see $out/$target-regressions.log"
      status=1
    }
  fi
  corpus="$out/corpus/$target"
  mkdir -p "$corpus" "$out/findings/$target"
  if "$binary" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$out/findings/$target/" "$corpus" "$ROOT/tests/fuzz/seeds/$target" \
      >"$out/$target.log" 2>&1; then
    runs=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$out/$target.log" | grep -oE '[0-9]+$')
    echo "$target: ${runs:-?} inputs in ${seconds} s, no finding"
  else
    echo "$target: a finding, see $out/$target.log and $out/findings/$target/"
    tail -30 "$out/$target.log"
    status=1
  fi
done
exit $status
