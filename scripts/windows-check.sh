#!/usr/bin/env bash
# Cross-builds the layers below qt/ and their tests for 64-bit Windows with Debian's MinGW-w64
# (GoogleTest from Debian's source package) and runs every test program under wine64, headless,
# in a fresh Wine prefix inside the build folder. Prints each program's count and the total.
#   scripts/windows-check.sh BUILD-FOLDER
set -euo pipefail
build="${1:?usage: scripts/windows-check.sh BUILD-FOLDER}"
cd "$(dirname "$0")/.."

cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DTRAJEKTA_QT=OFF -DTRAJEKTA_BENCH=OFF \
  -DTRAJEKTA_GTEST_SOURCE=/usr/src/googletest >/dev/null
cmake --build "$build" -j "$(nproc)"

wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine="$(command -v wine64)"
export WINEPREFIX="$PWD/$build/wine-prefix" WINEDEBUG=-all WINEARCH=win64
# No display, and no offer to install Mono or Gecko.
export WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
unset WAYLAND_DISPLAY
rm -rf "$WINEPREFIX"
"$wine" wineboot --init >/dev/null 2>&1
# One Wine server for every test program, ended when the check ends.
wineserver="$(dirname "$wine")/wineserver"
"$wineserver" -p
trap '"$wineserver" -k || true' EXIT

log="$build/windows-check.log"
status=0
ctest --test-dir "$build" -j "$(nproc)" -V >"$log" 2>&1 || status=$?
# Per program: GoogleTest's count, or the inputs a fuzz replay ran.
grep -E '^[0-9]+: (\[  PASSED  \] [0-9]+ tests?\.|[0-9]+ inputs replayed)' "$log" || true
grep -F '[ last digit ]' "$log" | sed 's/^[0-9]*: //' || true
if [ "$status" -ne 0 ]; then
  grep -E '^[0-9]+: |tests passed|Failed|\*\*\*' "$log" | grep -vE '^\S+: \[ (RUN|      OK) ' | tail -80
fi
grep -E 'tests passed|tests failed' "$log" || true
passed=$(grep -oE '^[0-9]+: \[  PASSED  \] [0-9]+' "$log" | awk '{s += $NF} END {print s + 0}')
failed=$(grep -oE '^[0-9]+: \[  FAILED  \] [0-9]+ tests?, listed' "$log" |
  awk '{s += $(NF-2)} END {print s + 0}')
echo "Wine: $passed passed, $failed failed"
exit "$status"
