#!/usr/bin/env bash
# Installs the build into a scratch prefix and starts the desktop entry's launcher for a
# user without a working folder: the folder must be made under the XDG data home with the
# pictures, clips and an example players file, and the clock must start and keep running.
#
#   launcher.sh <build folder>
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
grep -q '^Exec=shogi-clock-launch$' "$scratch/prefix/share/applications/shogi-clock.desktop" ||
  fail "desktop entry"
[ -f "$scratch/prefix/share/icons/hicolor/128x128/apps/shogi-clock.png" ] || fail "icon"
[ "$(ls "$scratch/prefix/share/shogi-clock/sound" | wc -l)" = 56 ] || fail "voice clips"

launch=$scratch/prefix/bin/shogi-clock-launch
status=0
XDG_DATA_HOME="$scratch/home" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
  ASAN_OPTIONS=detect_leaks=0 timeout 5 "$launch" >/dev/null 2>&1 || status=$?
[ "$status" = 124 ] || fail "the clock did not keep running (status $status)"
folder=$scratch/home/shogi-clock
[ -f "$folder/bmp/Skoma.bmp" ] || fail "pictures not in the working folder"
[ -f "$folder/sound/Yoroone.wav" ] || fail "clips not in the working folder"
cmp -s "$folder/対局者.txt" "$scratch/prefix/share/shogi-clock/対局者.txt" || fail "players file"

# A second start keeps the user's own players file.
echo "edited" >"$folder/対局者.txt"
XDG_DATA_HOME="$scratch/home" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
  ASAN_OPTIONS=detect_leaks=0 timeout 3 "$launch" >/dev/null 2>&1 || true
[ "$(cat "$folder/対局者.txt")" = edited ] || fail "the players file was overwritten"
echo "launcher prepared $folder and started the clock"
