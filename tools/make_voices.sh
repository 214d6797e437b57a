#!/usr/bin/env bash
# Generates the 56 voice clips of the clock into data/sound with espeak-ng (voice ja) and
# sox, trimmed of leading and trailing silence and levelled to one loudness, all 22050 Hz
# 16-bit mono. The wording follows a timekeeper reading a shogi game aloud: 4 is よん, 7 is
# なな and 9 is きゅう, so that no count can be misheard. espeak-ng reads kana best, so the
# wording is written in kana; where it misreads kana (りょ comes out as "rya-o") the word is
# spelled in its phonemes between [[ and ]]. Punctuation sets the intonation: a comma keeps
# the voice up for a word that goes on, as the ten before a units digit, and a final word
# falls in pitch. Prints each clip's duration and levels.
#
#   tools/make_voices.sh [folder]     (default: data/sound)
set -euo pipefail

out=${1:-"$(cd "$(dirname "$0")/.." && pwd)/data/sound"}
for tool in espeak-ng sox; do
  command -v "$tool" >/dev/null || { echo "needs $tool (apt-get install espeak-ng sox)" >&2; exit 1; }
done
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

target_rms_db=-18   # every clip levelled to this RMS loudness
countdown_speed=230 # words per minute: each count must start at once and end well within its second
speech_speed=170
kouryo='[[k,o:r`_jod_z\'"'"'ikaN]]' # こうりょじかん

# file|speed|wording[|further sox effects]
clips=(
  "01.wav|$countdown_speed|いち"
  "02.wav|$countdown_speed|にい"
  "03.wav|$countdown_speed|さん"
  "04.wav|$countdown_speed|よん"
  "05.wav|$countdown_speed|ごお"
  "06.wav|$countdown_speed|ろく"
  "07.wav|$countdown_speed|なな"
  "08.wav|$countdown_speed|はち"
  "09.wav|$countdown_speed|きゅう"
  "10.wav|$countdown_speed|じゅう"
  "10b.wav|$speech_speed|じゅうびょう"
  "20b.wav|$speech_speed|にじゅうびょう"
  "25b.wav|$speech_speed|にじゅうごびょう"
  "30b.wav|$speech_speed|さんじゅうびょう"
  "40b.wav|$speech_speed|よんじゅうびょう"
  "50b.wav|$speech_speed|ごじゅうびょう"
  "55b.wav|$speech_speed|ごじゅうごびょう"
  "Motitu.wav|$speech_speed|もちじかんが きれました"
  "01kaime.wav|$speech_speed|$kouryo いっかいめ"
  "02kaime.wav|$speech_speed|$kouryo にかいめ"
  "03kaime.wav|$speech_speed|$kouryo さんかいめ"
  "04kaime.wav|$speech_speed|$kouryo よんかいめ"
  "05kaime.wav|$speech_speed|$kouryo ごかいめ"
  "06kaime.wav|$speech_speed|$kouryo ろっかいめ"
  "07kaime.wav|$speech_speed|$kouryo ななかいめ"
  "08kaime.wav|$speech_speed|$kouryo はっかいめ"
  "09kaime.wav|$speech_speed|$kouryo きゅうかいめ"
  "10kaime.wav|$speech_speed|$kouryo じゅっかいめ"
  "Nokori00.wav|$speech_speed|のこり ぜろかい"
  "Nokori01.wav|$speech_speed|のこり いっかい"
  "Nokori02.wav|$speech_speed|のこり にかい"
  "Nokori03.wav|$speech_speed|のこり さんかい"
  "Nokori04.wav|$speech_speed|のこり よんかい"
  "Nokori05.wav|$speech_speed|のこり ごかい"
  "Nokori06.wav|$speech_speed|のこり ろっかい"
  "Nokori07.wav|$speech_speed|のこり ななかい"
  "Nokori08.wav|$speech_speed|のこり はっかい"
  "Nokori09.wav|$speech_speed|のこり きゅうかい"
  "00.wav|$speech_speed|ぜろ"
  "01yt1.wav|$speech_speed|いち"
  "02y1.wav|$speech_speed|に"
  "03y1.wav|$speech_speed|さん"
  "04y1.wav|$speech_speed|よん"
  "05y1.wav|$speech_speed|ご"
  "06y1.wav|$speech_speed|ろく"
  "07y1.wav|$speech_speed|なな"
  "08y1.wav|$speech_speed|はち"
  "09y1.wav|$speech_speed|きゅう"
  "10y1.wav|200|じゅう、"
  "10yt1.wav|$speech_speed|じゅう。|bend 0.10,-300,0.18"
  "100y1.wav|$speech_speed|ひゃく"
  "Tenite.wav|$speech_speed|てにて"
  "S-kati.wav|$speech_speed|せんての かちです"
  "G-kati.wav|$speech_speed|ごての かちです"
  "Hikiwake.wav|$speech_speed|ひきわけです"
  "Yoroone.wav|$speech_speed|よろしく おねがいします"
)

printf '%-14s %8s %9s %9s\n' clip seconds "peak dB" "RMS dB"
for row in "${clips[@]}"; do
  IFS='|' read -r file speed words effects <<<"$row"
  espeak-ng -v ja -s "$speed" -w "$work/raw.wav" "$words"
  # Trim silence at both ends, then resample to the one format of all clips.
  # shellcheck disable=SC2086 # the further effects are words for sox
  sox "$work/raw.wav" -r 22050 -b 16 -c 1 "$work/trimmed.wav" \
    silence 1 0.005 0.5% reverse silence 1 0.005 0.5% reverse pad 0.01 0.02 ${effects:-}
  rms=$(sox "$work/trimmed.wav" -n stats 2>&1 | awk '/^RMS lev dB/ {print $4}')
  gain=$(awk -v t="$target_rms_db" -v r="$rms" 'BEGIN {printf "%.2f", t - r}')
  sox "$work/trimmed.wav" "$out/$file" gain -l "$gain"
  sox "$out/$file" -n stats 2>&1 | awk -v f="$file" -v d="$(soxi -D "$out/$file")" \
    '/^Pk lev dB/ {pk=$4} /^RMS lev dB/ {rms=$4} END {printf "%-14s %8.3f %9s %9s\n", f, d, pk, rms}'
done
