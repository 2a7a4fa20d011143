#!/usr/bin/env bash
# Sets up a Debian 12 machine for the project, builds it and then runs, tests or measures it.
#   scripts/dev.sh run     the desktop program (the report of one computation without a display)
#   scripts/dev.sh test    every test
#   scripts/dev.sh bench   the engine and hit probability benchmarks
set -euo pipefail

cd "$(dirname "$0")/.."
action="${1:-}"
case "$action" in run | test | bench) ;; *)
  echo "usage: scripts/dev.sh run|test|bench" >&2
  exit 2
  ;;
esac

packages=(build-essential cmake pkg-config qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
  qt6-translations-l10n fonts-liberation2 fontconfig clang-format xvfb xauth)
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
  run | test)
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build -j "$jobs"
    ;;
  bench)
    cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build-release -j "$jobs" --target trajekta_bench trajekta_hit_bench
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
    build-release/bench/trajekta_bench
    exec build-release/bench/trajekta_hit_bench
    ;;
esac
