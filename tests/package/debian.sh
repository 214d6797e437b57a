#!/usr/bin/env bash
# Builds the Debian package as a packager would, from a fresh copy of the sources (the files
# git tracks or would add), so that nothing of an earlier build is reused, and checks it:
# lintian finds no error or warning, the AppStream metainfo and the desktop entry are valid,
# and the package holds the command, the program and the manual pages where they belong, in
# the version the sources give everywhere.
#
#   debian.sh <source folder>
set -euo pipefail
source=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

tree=$scratch/shogi-clock
mkdir "$tree"
(cd "$source" && git ls-files -z --cached --others --exclude-standard) |
  while IFS= read -r -d '' file; do
    # A file deleted but not yet committed is gone from the copy too.
    if [ -e "$source/$file" ] || [ -L "$source/$file" ]; then
      printf '%s\0' "$file"
    fi
  done | (cd "$source" && xargs -0 cp -P --parents -t "$tree")

version=$(sed -n 's/^project(shogi-clock VERSION \([0-9.]*\).*/\1/p' "$tree/CMakeLists.txt")
[ "$(cd "$tree" && dpkg-parsechangelog -S Version)" = "$version" ] ||
  fail "debian/changelog is not at version $version"
metainfo=$(echo "$tree"/install/*.metainfo.xml)
grep -m1 '<release ' "$metainfo" | grep -q "version=\"$version\"" ||
  fail "the metainfo's latest release is not $version"
for page in "$tree"/install/shogi-clock*.6; do
  grep -q "^\.TH .* \"shogi-clock $version\"" "$page" || fail "$(basename "$page") is not at $version"
done

echo "building the package"
if ! (cd "$tree" && DEB_BUILD_OPTIONS="nocheck parallel=2" DEB_BUILD_PROFILES=nocheck \
  dpkg-buildpackage -us -uc -b) >"$scratch/build.log" 2>&1; then
  tail -n 40 "$scratch/build.log"
  fail "dpkg-buildpackage"
fi

deb=$scratch/shogi-clock_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb")"
ls "$scratch"/shogi-clock-dbgsym_"$version"_*.deb >/dev/null || fail "no -dbgsym package"
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes, installed $(dpkg-deb -f "$deb" Installed-Size) KiB"

echo "lintian -I --pedantic on the package"
lintian --fail-on error,warning -I --pedantic "$deb" || fail "lintian on the package"
# The -dbgsym package and the .changes carry the same maintainer address but no overrides.
echo "lintian -I --pedantic on the .changes, less the maintainer address"
lintian --fail-on error,warning -I --pedantic --suppress-tags bogus-mail-host \
  "$scratch"/shogi-clock_"$version"_*.changes || fail "lintian on the .changes"

root=$scratch/root
dpkg-deb -x "$deb" "$root"
for path in usr/games/shogi-clock usr/libexec/shogi-clock/shogi-clock \
  usr/share/man/man6/shogi-clock.6.gz usr/share/man/ja/man6/shogi-clock.6.gz \
  usr/share/doc/shogi-clock/copyright; do
  [ -e "$root/$path" ] || fail "no /$path in the package"
done
dpkg-deb -f "$deb" Depends | grep -q 'fonts-noto-cjk | fonts-japanese-gothic' ||
  fail "Depends: $(dpkg-deb -f "$deb" Depends)"

id=$(basename "$metainfo" .metainfo.xml)
appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/$id.metainfo.xml" ||
  fail "appstreamcli validate"
# The tree as installed: the metainfo's launchable must be a desktop entry beside it.
appstreamcli validate-tree --pedantic --no-net "$root" || fail "appstreamcli validate-tree"
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop-file-validate"
echo "the package builds and passes lintian, appstreamcli and desktop-file-validate"
