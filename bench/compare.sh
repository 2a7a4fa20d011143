#!/bin/bash
# Time of one RK4 step, "now" next to "before" (the integration as it was before its step was
# made faster), measured in one run on this machine: the median processor time over
# REPETITIONS repetitions. The step benchmarks run in random order, the two hit-probability
# programs take turns, so that both sides see the same load. Needs the Release benchmarks
# (scripts/dev.sh bench).
# Usage: bench/compare.sh [REPETITIONS] [BUILD-DIR]   (defaults: 10, build-release)
set -euo pipefail
cd "$(dirname "$0")/.."
reps="${1:-10}"
bin="${2:-build-release}/bench"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# "NAME NS" for every per_step value in the CSV on standard input (NAME without its suffix).
per_step() {
  awk -F, 'NR == 1 { for (i = 1; i <= NF; ++i) if ($i == "\"per_step\"") c = i; next }
           $1 ~ /_median"$/ || $1 !~ /_(mean|median|stddev|cv)"$/ {
             n = $1; gsub(/"|_median/, "", n); printf "%s %.1f\n", n, $c * 1e9 }'
}

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
# Apart, as the CSV output wants the same counters in every line.
for group in Full Solve; do
  "$bin/trajekta_bench" --benchmark_filter="^BM_$group" --benchmark_repetitions="$reps" \
    --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null | per_step >>"$tmp/steps"
done
for ((i = 0; i < reps; ++i)); do
  for side in now before; do
    program=trajekta_hit_bench
    [[ $side == before ]] && program=trajekta_hit_bench_before
    "$bin/$program" --benchmark_filter='/1/1000$' --benchmark_format=csv 2>/dev/null | per_step |
      sed "s|/1/1000 | |; s|\$| $side|" >>"$tmp/hit"
  done
done
# The median of each side's runs, written like the step benchmarks' lines.
sort -k3,3 -k2,2n "$tmp/hit" | awk '{ v[$3, ++n[$3]] = $2; name = $1 }
  END { for (s in n) printf "%s/1/1000/%s %.1f\n", name, s, v[s, int((n[s] + 1) / 2)] }' >>"$tmp/steps"
echo "load after:  $(cut -d' ' -f1-3 /proc/loadavg)"

printf "%-40s %14s %14s %7s\n" benchmark "now ns/step" "before" ratio
awk '{ split($1, p, "/"); side = p[length(p)]; base = substr($1, 1, length($1) - length(side) - 1)
       t[base, side] = $2; if (!(base in seen)) { seen[base] = 1; order[++k] = base } }
     END { for (i = 1; i <= k; ++i) { b = order[i]
             printf "%-40s %14.1f %14.1f %6.2fx\n", b, t[b, "now"], t[b, "before"],
                    t[b, "before"] / t[b, "now"] } }' "$tmp/steps"
