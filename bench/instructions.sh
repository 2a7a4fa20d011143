#!/bin/bash
# Instructions per RK4 step counted by callgrind, "now" next to "before" (the integration as it
# was before its step was made faster). Unlike times, the counts do not depend on the load of
# the machine. Needs the Release benchmarks (scripts/dev.sh bench) and valgrind.
# Usage: bench/instructions.sh [BUILD-DIR]   (default build-release)
set -euo pipefail
cd "$(dirname "$0")/.."
bin="${1:-build-release}/bench"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Instructions inside the benchmark's Measured* function during one iteration, per step.
count() {  # PROGRAM FILTER
  valgrind --tool=callgrind --callgrind-out-file="$tmp/cg" --collect-atstart=no \
    --toggle-collect='*Measured*' "$bin/$1" --benchmark_filter="$2" --benchmark_min_time=0 \
    --benchmark_format=json >"$tmp/json" 2>/dev/null
  local ir steps
  ir=$(sed -n 's/^summary: *\([0-9]*\).*/\1/p' "$tmp/cg")
  steps=$(sed -n 's/.*"steps": *\([0-9.e+]*\).*/\1/p' "$tmp/json" | head -1)
  awk -v ir="$ir" -v s="$steps" 'BEGIN { printf "%.0f %.0f\n", ir / s, s }'
}

printf "%-36s %12s %12s %7s %10s\n" benchmark "now Ir/step" "before" ratio steps
row() {  # NAME NOW-PROGRAM NOW-FILTER BEFORE-PROGRAM BEFORE-FILTER
  read -r now steps < <(count "$2" "$3")
  read -r old _ < <(count "$4" "$5")
  awk -v n="$1" -v a="$now" -v b="$old" -v s="$steps" \
    'BEGIN { printf "%-36s %12d %12d %6.2fx %10d\n", n, a, b, b / a, s }'
}
for b in BM_FullRunStartValues BM_Full1000mAllForces BM_Full2000m BM_Full30000Steps \
  BM_SolveLaunchAngle300m BM_SolveLaunchAngle1000mAllForces; do
  row "$b" trajekta_bench "^$b/now\$" trajekta_bench "^$b/before\$"
done
row "BM_HitProbabilityStartValues/1/1000" trajekta_hit_bench '/1/1000$' trajekta_hit_bench_before '/1/1000$'
