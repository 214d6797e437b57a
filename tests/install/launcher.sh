#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what it holds, then starts the
# shogi-clock command as users meet it: in a fresh working folder, over stale links, a real
# folder or a dangling players file, twice at once, without HOME, without audio and without a
# Japanese font. The clock counts as started when it still runs after a few seconds.
#
#   launcher.sh <build folder>
set -euo pipefail
build=$(realpath "$1")
bundled=$(cd "$(dirname "$0")/../../data" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
command=$prefix/$(cached SHOGI_CLOCK_COMMAND_DIR)/shogi-clock
data=$(cd "$prefix/share/shogi-clock" && pwd -P)
version=$(cached CMAKE_PROJECT_VERSION)

# What the tree holds.
[ -x "$command" ] || fail "no command $command"
[ -x "$prefix/$(cached CMAKE_INSTALL_LIBEXECDIR)/shogi-clock/shogi-clock" ] ||
  fail "program not in libexec"
desktop=$(find "$prefix/share/applications" -name '*.desktop')
[ "$(echo "$desktop" | wc -l)" = 1 ] || fail "not one desktop entry: $desktop"
grep -qx 'Exec=shogi-clock' "$desktop" || fail "desktop entry does not run shogi-clock"
id=$(basename "$desktop" .desktop)
[ -f "$prefix/share/metainfo/$id.metainfo.xml" ] || fail "no metainfo named $id"
grep -q "<id>$id</id>" "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo id"
for size in 16 32 48 64 128 256 512; do
  icon=$prefix/share/icons/hicolor/${size}x$size/apps/shogi-clock.png
  [ -f "$icon" ] || fail "no $size px icon"
  # A PNG's width and height are the two 32-bit numbers after its 16th byte.
  [ "$(od -An -j16 -N8 -tx1 "$icon" | tr -d ' \n')" = "$(printf '%08x%08x' "$size" "$size")" ] ||
    fail "the $size px icon has another size"
done
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/shogi-clock.svg" || fail "no SVG icon"
for page in man/man6/shogi-clock.6 man/ja/man6/shogi-clock.6; do
  [ -f "$prefix/share/$page" ] || fail "no manual page $page"
done
[ "$(ls "$data/sound")" = "$(ls "$bundled/sound")" ] || fail "voice clips"
installed_data=$(find "$data" | sort)

# Runs the command for a few seconds with the environment given as arguments (after the
# usual ones, so they can override them) and, after --, its own arguments; stderr goes to
# $scratch/stderr. Prints the status.
run_for() {
  local seconds=$1
  shift
  local environment=()
  while [ $# -gt 0 ] && [ "$1" != -- ]; do
    environment+=("$1")
    shift
  done
  [ $# -eq 0 ] || shift
  local status=0
  env QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0 \
    HOME="$scratch/nohome" XDG_CONFIG_HOME="$scratch/config" "${environment[@]}" timeout "$seconds" "$command" "$@" \
    >/dev/null 2>"$scratch/stderr" || status=$?
  echo "$status"
}
kept_running() { [ "$(run_for 3 "$@")" = 124 ]; }
linked() { [ -L "$1/$2" ] && [ "$(readlink "$1/$2")" = "$data/$2" ]; }

# Answers without a display, a HOME or a working folder.
out=$(env -u HOME -u DISPLAY -u QT_QPA_PLATFORM "$command" --version) || fail "--version failed"
[ "$out" = "shogi-clock $version" ] || fail "--version printed: $out"
out=$(env -u HOME -u DISPLAY -u QT_QPA_PLATFORM "$command" --help) || fail "--help failed"
grep -q '^Usage: shogi-clock' <<<"$out" || fail "--help printed: $out"
grep -q -- '--version' <<<"$out" || fail "--help does not name --version"

# A fresh working folder.
home=$scratch/home
[ "$(run_for 5 XDG_DATA_HOME="$home")" = 124 ] || fail "the clock did not keep running"
folder=$home/shogi-clock
linked "$folder" bmp && linked "$folder" sound || fail "pictures and clips not linked"
[ -f "$folder/bmp/Skoma.bmp" ] || fail "pictures not in the working folder"
cmp -s "$folder/対局者.txt" "$data/対局者.txt" || fail "players file"
! grep '^shogi-clock:' "$scratch/stderr" || fail "a clock with audio and fonts complained"
[ "$(ls -A "$folder" | sort | tr '\n' ' ')" = "bmp sound 対局者.txt " ] ||
  fail "stray files in the working folder: $(ls -A "$folder")"

# Other arguments are ignored, Qt's own single-dash words among them.
kept_running XDG_DATA_HOME="$home" -- -reverse --no-such-option word ||
  fail "other arguments were not ignored"

# A second start keeps the user's own players file.
echo "edited" >"$folder/対局者.txt"
kept_running XDG_DATA_HOME="$home" || fail "second start"
[ "$(cat "$folder/対局者.txt")" = edited ] || fail "the players file was overwritten"

# Links left dangling or pointing elsewhere, as by an install under another prefix, are
# renewed; a dangling players file link is kept, and the clock runs without players.
stale=$scratch/stale/shogi-clock
mkdir -p "$stale" "$scratch/elsewhere/sound"
ln -s "$scratch/gone/bmp" "$stale/bmp"
ln -s "$scratch/elsewhere/sound" "$stale/sound"
ln -s "$scratch/gone/対局者.txt" "$stale/対局者.txt"
kept_running XDG_DATA_HOME="$scratch/stale" || fail "start over stale links: $(cat "$scratch/stderr")"
linked "$stale" bmp && linked "$stale" sound || fail "stale links not renewed"
[ "$(readlink "$stale/対局者.txt")" = "$scratch/gone/対局者.txt" ] ||
  fail "the dangling players file link was touched"

# A real folder the user made is left alone.
own=$scratch/own/shogi-clock
mkdir -p "$own/bmp"
cp "$data/bmp/"* "$own/bmp/"
kept_running XDG_DATA_HOME="$scratch/own" || fail "start with the user's own pictures"
[ ! -L "$own/bmp" ] && diff -r "$own/bmp" "$data/bmp" >/dev/null || fail "the user's folder changed"
linked "$own" sound || fail "clips not linked beside the user's pictures"

# Relative XDG_DATA_HOME is ignored for HOME's default.
(cd "$scratch" && kept_running XDG_DATA_HOME=relative HOME="$scratch/user") ||
  fail "start with a relative XDG_DATA_HOME"
linked "$scratch/user/.local/share/shogi-clock" bmp || fail "HOME's default not used"
[ ! -e "$scratch/relative" ] || fail "the relative XDG_DATA_HOME was used"

# Without HOME it says so and ends, creating nothing: not /.local as root, not here.
[ -e /.local ] && had_root_local=yes || had_root_local=no
mkdir "$scratch/empty"
status=0
(cd "$scratch/empty" && env -u HOME -u XDG_DATA_HOME QT_QPA_PLATFORM=offscreen \
  timeout 5 "$command" 2>"$scratch/stderr") || status=$?
[ "$status" = 1 ] || fail "without HOME the status was $status"
grep -q 'HOME' "$scratch/stderr" || fail "without HOME it said: $(cat "$scratch/stderr")"
[ "$had_root_local" = yes ] || [ ! -e /.local ] || fail "/.local was created"
[ -z "$(ls -A "$scratch/empty")" ] || fail "something was created in the current folder"

# No audio device and no Japanese font: a line each, and the clock starts all the same.
kept_running XDG_DATA_HOME="$home" SDL_AUDIODRIVER=nosuchdriver || fail "start without audio"
grep -q '^shogi-clock: no audio device' "$scratch/stderr" || fail "silent about the audio"
mkdir -p "$scratch/nofonts"
cat >"$scratch/fonts.conf" <<EOF
<?xml version="1.0"?>
<fontconfig><dir>$scratch/nofonts</dir><cachedir>$scratch/fontcache</cachedir></fontconfig>
EOF
kept_running XDG_DATA_HOME="$home" FONTCONFIG_FILE="$scratch/fonts.conf" ||
  fail "start without fonts"
grep -q '^shogi-clock: no font covering Japanese' "$scratch/stderr" || fail "silent about fonts"

# Two first starts at once, forty times, both succeed. The program is replaced by one that
# ends at once, as only the preparation of the folder matters here.
stub=$scratch/stub
cp -a "$prefix" "$stub"
printf '#!/bin/sh\nexit 0\n' >"$stub/$(cached CMAKE_INSTALL_LIBEXECDIR)/shogi-clock/shogi-clock"
for round in $(seq 40); do
  base=$scratch/race/$round
  XDG_DATA_HOME=$base "$stub/${command#"$prefix"/}" 2>"$scratch/race-a" &
  a=$!
  XDG_DATA_HOME=$base "$stub/${command#"$prefix"/}" 2>"$scratch/race-b" &
  b=$!
  wait "$a" || fail "round $round: a start failed: $(cat "$scratch/race-a")"
  wait "$b" || fail "round $round: a start failed: $(cat "$scratch/race-b")"
  race_data=$stub/share/shogi-clock
  for part in bmp sound; do
    [ "$(readlink "$base/shogi-clock/$part")" = "$(cd "$race_data" && pwd -P)/$part" ] ||
      fail "round $round: $part not linked"
  done
  [ -f "$base/shogi-clock/対局者.txt" ] || fail "round $round: no players file"
  [ "$(ls -A "$base/shogi-clock" | wc -l)" = 3 ] ||
    fail "round $round: stray files: $(ls -A "$base/shogi-clock")"
  [ "$(cd "$race_data" && find . | sort)" = "$(cd "$data" && find . | sort)" ] ||
    fail "round $round: something was created in the installed data"
done

[ "$(find "$data" | sort)" = "$installed_data" ] || fail "the installed data changed"
echo "the installed command prepared every working folder and started the clock"
