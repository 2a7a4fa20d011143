#!/usr/bin/env bash
# Start-up time of the desktop program: from starting the process to its start window being
# mapped on an X display (a fresh Xvfb unless DISPLAY is set), the median of RUNS starts.
# Also the processor time the program used until then (user + system, 10 ms ticks), which
# is what the wall time comes to on a machine that nothing else keeps busy.
#   scripts/startup-time.sh [RUNS] [PROGRAM] [START-UP-FILE]
# XVFB_DISPLAY chooses the number of that Xvfb (:99). PROGRAM defaults to build/qt/trajekta; START-UP-FILE, when given, is copied as "init" into
# the program's folder first, so that the start reads it as a shooter's start would.
set -euo pipefail
runs="${1:-11}"
program="${2:-build/qt/trajekta}"
startup="${3:-}"
[ -x "$program" ] || {
  echo "startup-time: no program $program" >&2
  exit 2
}
[ -z "$startup" ] || cp "$startup" "$(dirname "$program")/init"

xvfb=""
if [ -z "${DISPLAY:-}" ]; then
  export DISPLAY="${XVFB_DISPLAY:-:99}"
  Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break || sleep 0.05; done
fi

times=()
cpu=()
tick=$(getconf CLK_TCK)
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  "$program" >/dev/null 2>&1 &
  pid=$!
  # Poll for a mapped window of the process (a few milliseconds a poll).
  until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || {
      echo "startup-time: the program ended before showing a window" >&2
      exit 1
    }
  done
  end=$(date +%s%N)
  read -r -a stat <"/proc/$pid/stat"
  cpu+=($(((stat[13] + stat[14]) * 1000 / tick)))
  times+=($(((end - start) / 1000000)))
  kill "$pid"
  wait "$pid" 2>/dev/null || true
done
[ -z "$xvfb" ] || kill "$xvfb"
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
sortedCpu=($(printf '%s\n' "${cpu[@]}" | sort -n))
echo "start-up times [ms]: ${times[*]}"
echo "median: ${sorted[$((runs / 2))]} ms, fastest: ${sorted[0]} ms, slowest: ${sorted[$((runs - 1))]} ms"
echo "processor time until shown [ms]: ${cpu[*]}; median ${sortedCpu[$((runs / 2))]} ms"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
