#!/bin/bash
# Time of one RK4 step, "now" next to "before" (the integration as it was before its step was
# made faster), measured in one run on this machine: the median processor time over
# REPETITIONS repetitions, each in new processes. Both sides take turns within every
# repetition, so that they see the same load. Needs the Release benchmarks
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
# A new process for every repetition: where the stack and the heap land changes from one
# process to the next (address randomisation), and with it the time of a step by up to a
# fifth, so one process would measure one layout only. Within a process the benchmarks run
# in random order. Apart per group, as the CSV output wants the same counters in every line.
for ((i = 0; i < reps; ++i)); do
  for group in Full Solve; do
    "$bin/trajekta_bench" --benchmark_filter="^BM_$group" --benchmark_min_time=0.2 \
      --benchmark_enable_random_interleaving=true --benchmark_format=csv 2>/dev/null |
      per_step >>"$tmp/runs"
  done
  for side in now before; do
    program=trajekta_hit_bench
    [[ $side == before ]] && program=trajekta_hit_bench_before
    "$bin/$program" --benchmark_filter='/1/1000$' --benchmark_format=csv 2>/dev/null | per_step |
      awk -v side="$side" '{ print $1 "/" side, $2 }' >>"$tmp/runs"
  done
done
# The median of each benchmark's runs.
sort -k1,1 -k2,2n "$tmp/runs" | awk '{ v[$1, ++n[$1]] = $2; if (!($1 in seen)) { seen[$1] = 1; order[++k] = $1 } }
  END { for (i = 1; i <= k; ++i) { b = order[i]; printf "%s %.1f\n", b, v[b, int((n[b] + 1) / 2)] } }' >"$tmp/steps"
echo "load after:  $(cut -d' ' -f1-3 /proc/loadavg)"

printf "%-40s %14s %14s %7s\n" benchmark "now ns/step" "before" ratio
awk '{ split($1, p, "/"); side = p[length(p)]; base = substr($1, 1, length($1) - length(side) - 1)
       t[base, side] = $2; if (!(base in seen)) { seen[base] = 1; order[++k] = base } }
     END { for (i = 1; i <= k; ++i) { b = order[i]
             printf "%-40s %14.1f %14.1f %6.2fx\n", b, t[b, "now"], t[b, "before"],
                    t[b, "before"] / t[b, "now"] } }' "$tmp/steps"
