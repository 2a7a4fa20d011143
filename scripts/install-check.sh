#!/usr/bin/env bash
# Installs a build folder into a temporary DESTDIR and checks what a Debian desktop expects:
# the programs run from there with a fresh HOME, the desktop entry and the metainfo validate.
#   scripts/install-check.sh BUILD-FOLDER
set -euo pipefail
build="${1:?usage: scripts/install-check.sh BUILD-FOLDER}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
dest="$work/dest"
DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null

fail() {
  echo "install-check: $*" >&2
  exit 1
}
for f in bin/trajekta bin/trajekta-cli share/applications/cz.trajekta.trajekta.desktop \
  share/metainfo/cz.trajekta.trajekta.metainfo.xml share/icons/hicolor/scalable/apps/trajekta.svg \
  share/man/man1/trajekta-cli.1; do
  [ -e "$dest/usr/$f" ] || fail "missing /usr/$f"
done
if [ -d data ]; then
  for f in data/*.txt; do
    [ -e "$f" ] || continue
    cmp -s "$f" "$dest/usr/share/trajekta/${f#data/}" || fail "shipped list ${f#data/} not installed"
  done
fi

desktop-file-validate "$dest/usr/share/applications/cz.trajekta.trajekta.desktop"
appstreamcli validate --no-net "$dest/usr/share/metainfo/cz.trajekta.trajekta.metainfo.xml"

# The installed command line with a fresh HOME prints the same table as the build tree's.
mkdir "$work/home"
HOME="$work/home" XDG_CONFIG_HOME= XDG_DATA_HOME= LC_ALL=C "$dest/usr/bin/trajekta-cli" table \
  >"$work/installed.txt" || fail "installed trajekta-cli table failed"
LC_ALL=C "$build/cli/trajekta-cli" table >"$work/built.txt"
[ -s "$work/installed.txt" ] || fail "installed trajekta-cli table printed nothing"
cmp -s "$work/installed.txt" "$work/built.txt" || fail "installed table differs from the built one"
HOME="$work/home" "$dest/usr/bin/trajekta-cli" --version
echo "install-check: $(find "$dest" -type f | wc -l) files installed and checked"
