#!/usr/bin/env bash
# Sets up a Debian 12 machine for the project, builds it and then runs, tests or measures it.
#   scripts/dev.sh run     the desktop program (the report of one computation without a display)
#   scripts/dev.sh test    every test
#   scripts/dev.sh bench   the engine, solver and hit probability benchmarks
#   scripts/dev.sh fuzz [SECONDS]  every fuzz target for SECONDS (30) each, one after the other
#   scripts/dev.sh package the Debian package build-package/trajekta_*.deb
#   scripts/dev.sh install-check  install build/ into a temporary DESTDIR and check the result
#   scripts/dev.sh windows-check  cross-build the layers below qt/ and their tests for Windows
#                                 (MinGW-w64) into build-windows/ and run every test under Wine
set -euo pipefail

cd "$(dirname "$0")/.."
action="${1:-}"
case "$action" in run | test | bench | fuzz | package | install-check | windows-check) ;; *)
  echo "usage: scripts/dev.sh run|test|bench|fuzz [SECONDS]|package|install-check|windows-check" >&2
  exit 2
  ;;
esac

packages=(build-essential cmake pkg-config qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
  qt6-translations-l10n fonts-liberation2 fontconfig clang-format xvfb xauth)
case "$action" in
  test) packages+=(poppler-utils) ;; # pdftotext reads the printed range cards back
  windows-check) packages=(cmake g++-mingw-w64-x86-64-posix googletest wine64) ;;
  fuzz) packages+=(clang libclang-rt-14-dev) ;;
  bench) packages+=(valgrind) ;;  # bench/instructions.sh
  package | install-check) packages+=(desktop-file-utils appstream dpkg-dev file librsvg2-bin) ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

jobs="$(nproc)"
case "$action" in
  run | test | install-check)
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build -j "$jobs"
    ;;
  bench)
    cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build-release -j "$jobs" --target trajekta_bench trajekta_solvers_bench \
      trajekta_reticle_bench trajekta_hit_bench trajekta_hit_bench_before
    ;;
  fuzz)
    CXX=clang++ CC=clang cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRAJEKTA_FUZZ=ON >/dev/null
    cmake --build build-fuzz -j "$jobs"
    ;;
  package)
    # Only the installed targets; cpack would otherwise build every test first.
    cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
      -DTRAJEKTA_BENCH=OFF >/dev/null
    cmake --build build-package -j "$jobs" --target trajekta trajekta-cli trajekta_icons
    ;;
esac

case "$action" in
  run)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "Není k dispozici žádný displej, program proto nemůže otevřít svá okna."
      echo "Výsledek výpočtu s výchozími hodnotami (trajekta-cli table):"
      exec build/cli/trajekta-cli table
    fi
    exec build/qt/trajekta
    ;;
  test)
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"
    ;;
  bench)
    for bench in trajekta_bench trajekta_solvers_bench trajekta_reticle_bench trajekta_hit_bench \
      trajekta_hit_bench_before; do
      build-release/bench/$bench
    done
    ;;
  fuzz)
    # New inputs go to build-fuzz/corpus/<target>; the seeds in tests/fuzz/<target> stay as they are.
    seconds="${2:-30}"
    for exe in build-fuzz/tests/fuzz/fuzz_*; do
      name="${exe##*/fuzz_}"
      mkdir -p "build-fuzz/corpus/$name" "build-fuzz/crashes/$name"
      echo "== $name, $seconds s"
      "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="build-fuzz/crashes/$name/" "build-fuzz/corpus/$name" "tests/fuzz/$name"
    done
    ;;
  windows-check)
    exec bash scripts/windows-check.sh build-windows
    ;;
  package)
    (cd build-package && cpack -G DEB)
    ls build-package/*.deb
    ;;
  install-check)
    exec bash scripts/install-check.sh build
    ;;
esac
