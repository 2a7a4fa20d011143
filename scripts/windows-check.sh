#!/usr/bin/env bash
# Cross-builds the layers below qt/ and their tests for 64-bit Windows with Debian's MinGW-w64
# (GoogleTest from Debian's source package) and runs every test program under wine64, headless,
# in a fresh Wine prefix inside the build folder. Prints each program's count and the total.
#   scripts/windows-check.sh BUILD-FOLDER
set -euo pipefail
build="${1:?usage: scripts/windows-check.sh BUILD-FOLDER}"
cd "$(dirname "$0")/.."

# -O2, as the Linux build has it.
cmake --no-warn-unused-cli -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DTRAJEKTA_QT=OFF -DTRAJEKTA_BENCH=OFF -DTRAJEKTA_GTEST_SOURCE=/usr/src/googletest >/dev/null
cmake --build "$build" -j "$(nproc)"

wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine="$(command -v wine64)"
export WINEPREFIX="$PWD/$build/wine-prefix" WINEDEBUG=-all WINEARCH=win64
# No display, and no offer to install Mono or Gecko.
export WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
unset WAYLAND_DISPLAY
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
# One Wine server for every test program, ended when the check ends.
wineserver="$(dirname "$wine")/wineserver"
"$wineserver" -p
trap '"$wineserver" -k || true' EXIT
"$wine" wineboot --init >/dev/null 2>&1

log="$build/windows-check.log"
status=0
ctest --test-dir "$build" -j "$(nproc)" -V >"$log" 2>&1 || status=$?
# Per program: GoogleTest's count, or the inputs a fuzz replay ran.
awk '$1 == "Start" { name[$2 + 0] = $3 }
  /^[0-9]+: \[  PASSED  \] [0-9]+ test/ { printf "  %-26s %5d tests passed\n", name[$1 + 0], $5 }
  /^[0-9]+: [0-9]+ inputs replayed/ { printf "  %-26s %5d inputs replayed\n", name[$1 + 0], $2 }' "$log"
# Numbers that differ from the Linux output in their last printed digit or last bits.
sed -n "s/^[0-9]*: \(\[ last \(digit\|bits\) \]\)/\1/p" "$log"
if [ "$status" -ne 0 ]; then
  sed 's/^[0-9]*: //' "$log" | grep -v '^Running main' | tail -150
fi
grep -E 'tests passed|tests failed' "$log" || true
passed=$(awk '/^[0-9]+: \[  PASSED  \] [0-9]+ test/ {s += $5} END {print s + 0}' "$log")
failed=$(awk '/^[0-9]+: \[  FAILED  \] [0-9]+ tests?, listed/ {s += $5} END {print s + 0}' "$log")
echo "Wine: $passed passed, $failed failed"
exit "$status"
