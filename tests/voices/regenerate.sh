#!/usr/bin/env bash
# Speaks every clip again with tools/make_voices.sh into a scratch folder and checks that the
# committed data/sound holds the same files, byte for byte on the machines the clips were
# made on: the clips can be made again from the repository alone, and nobody changed the
# wording without them. Exits 77 (skipped) where the synthesiser is not installed
# (scripts/setup voices installs it).
#
#   regenerate.sh <source folder>
set -euo pipefail
source=$(realpath "$1")
for tool in open_jtalk sox; do
  command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$source/tools/make_voices.sh" "$scratch" >/dev/null
diff -rq "$scratch" "$source/data/sound" >/dev/null && {
  echo "every clip in data/sound is what tools/make_voices.sh speaks, byte for byte"
  exit 0
}
# The synthesiser's arithmetic may round differently on another processor, by a sample's
# last bit: that is still the same speech, where another wording or level is not.
status=0
for made in "$scratch"/*.wav; do
  committed=$source/data/sound/$(basename "$made")
  cmp -s "$made" "$committed" && continue
  peak=$(sox -m -v 1 "$made" -v -1 "$committed" -n stats 2>&1 | awk '/^Pk lev dB/ {print $4}')
  if awk -v p="$peak" 'BEGIN {exit !(p != "-inf" && p > -80)}'; then
    echo "$(basename "$made") differs from what the tool speaks (difference peak $peak dB)"
    status=1
  else
    echo "$(basename "$made"): rounding differences only (difference peak $peak dB)"
  fi
done
exit $status
