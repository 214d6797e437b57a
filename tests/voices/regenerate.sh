#!/usr/bin/env bash
# Speaks every clip again with tools/make_voices.sh into a scratch folder and checks that the
# committed data/sound holds the same files, byte for byte: the clips can be made again from
# the repository alone, and nobody changed the wording without them. Exits 77 (skipped)
# where the synthesiser is not installed (scripts/setup voices installs it).
#
#   regenerate.sh <source folder>
set -euo pipefail
source=$(realpath "$1")
for tool in open_jtalk sox; do
  command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$source/tools/make_voices.sh" "$scratch"
diff -r "$scratch" "$source/data/sound"
echo "every clip in data/sound is what tools/make_voices.sh speaks"
