#!/usr/bin/env bash
# Generates the 61 voice clips of the clock into data/sound: open_jtalk speaks each wording
# with the HTS voice "Mei" kept in tools/voices, and sox trims the silence at both ends,
# levels every clip to one loudness and writes them all as 22050 Hz 16-bit mono. The wording
# is what a timekeeper says at a shogi game, in ordinary Japanese: 4 is よん, 7 is なな and
# 9 is きゅう, so that no count can be misheard. Prints each clip's duration, the moment its
# speech starts, and its levels, and refuses a clip that breaks its bound:
#   count  starts speaking within 20 ms and ends within 0.7 s, so it never runs into the
#          next second
#   mark   (10秒 … 55秒) ends within 0.9 s
# A clip that breaks its bound wants a quicker rate or a shorter wording, never a cut.
# The same inputs give the same bytes: nothing random is added (no dither).
#
#   tools/make_voices.sh [folder]     (default: data/sound)
set -euo pipefail
export LC_ALL=C # sox's figures and awk's arithmetic with a decimal point

tools=$(cd "$(dirname "$0")" && pwd)
out=${1:-"$tools/../data/sound"}
voice=$tools/voices/mei_normal.htsvoice
dictionary=/var/lib/mecab/dic/open-jtalk/naist-jdic
for tool in open_jtalk sox; do
  command -v "$tool" >/dev/null || { echo "needs $tool (scripts/setup voices)" >&2; exit 1; }
done
[ -d "$dictionary" ] || { echo "needs $dictionary (scripts/setup voices)" >&2; exit 1; }
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

target_rms_db=-18 # every clip levelled to this RMS loudness
ceiling_db=-1.5   # no peak above this, under the -1 dBFS every clip keeps
rate=1.0          # one speed for every clip, so the counts sound as one speaker
quick=1.3         # the ten that runs on into a units digit

# file|bound|wording[|rate]. A count of 2 or 5 is lengthened as it is said aloud (ニイ, ゴオ:
# in kana the dictionary gives them one word and the falling accent of the other counts),
# but not within a number (二十). 勝ち before です is read がち (as in 遠慮がち), so the results
# take the timekeeper's となりました.
clips=(
  "01.wav|count|一"
  "02.wav|count|ニイ"
  "03.wav|count|三"
  "04.wav|count|四"
  "05.wav|count|ゴオ"
  "06.wav|count|六"
  "07.wav|count|七"
  "08.wav|count|八"
  "09.wav|count|九"
  "10.wav|count|十"
  "10b.wav|mark|十秒"
  "20b.wav|mark|二十秒"
  "25b.wav|mark|二十五秒"
  "30b.wav|mark|三十秒"
  "40b.wav|mark|四十秒"
  "50b.wav|mark|五十秒"
  "55b.wav|mark|五十五秒"
  "Motitu.wav|-|持ち時間が切れました。"
  "01kaime.wav|-|考慮時間一回目"
  "02kaime.wav|-|考慮時間二回目"
  "03kaime.wav|-|考慮時間三回目"
  "04kaime.wav|-|考慮時間四回目"
  "05kaime.wav|-|考慮時間五回目"
  "06kaime.wav|-|考慮時間六回目"
  "07kaime.wav|-|考慮時間七回目"
  "08kaime.wav|-|考慮時間八回目"
  "09kaime.wav|-|考慮時間九回目"
  "10kaime.wav|-|考慮時間十回目"
  "Nokori00.wav|-|残りゼロ回"
  "Nokori01.wav|-|残り一回"
  "Nokori02.wav|-|残り二回"
  "Nokori03.wav|-|残り三回"
  "Nokori04.wav|-|残り四回"
  "Nokori05.wav|-|残り五回"
  "Nokori06.wav|-|残り六回"
  "Nokori07.wav|-|残り七回"
  "Nokori08.wav|-|残り八回"
  "Nokori09.wav|-|残り九回"
  "00.wav|count|ゼロ"
  "01yt1.wav|count|一"
  "02y1.wav|count|二"
  "03y1.wav|count|三"
  "04y1.wav|count|四"
  "05y1.wav|count|五"
  "06y1.wav|count|六"
  "07y1.wav|count|七"
  "08y1.wav|count|八"
  "09y1.wav|count|九"
  "10y1.wav|count|十|$quick"
  "10yt1.wav|count|十"
  "100y1.wav|count|百"
  "Tenite.wav|-|手にて"
  "S-kati.wav|-|先手の勝ちとなりました。"
  "G-kati.wav|-|後手の勝ちとなりました。"
  "Hikiwake.wav|-|引き分けとなりました。"
  "Yoroone.wav|-|よろしくお願いします。"
  "Nokori5fun.wav|-|残り五分"
  "Nokori3fun.wav|-|残り三分"
  "Nokori1fun.wav|-|残り一分"
  "Nokori30byo.wav|-|残り三十秒"
  "Nokori20byo.wav|-|残り二十秒"
)

# "peak RMS" of a clip in dBFS.
levels() {
  sox "$1" -n stats 2>&1 | awk '/^Pk lev dB/ {pk = $4} /^RMS lev dB/ {rms = $4} END {print pk, rms}'
}

# Seconds from the start of a clip to its first sample above -40 dBFS: where speech starts.
speech_start() {
  sox "$1" -t dat - | awk '!/^;/ && ($2 > 0.01 || $2 < -0.01) && !found {print $1; found = 1}
    END {if (!found) print -1}'
}

# Levels a clip to the target RMS with a peak limiter: its instant attack holds every peak at
# the ceiling, and its slow release (0.1 s) turns the loud syllable down as a whole rather than
# bending its waveform. It works 12 dB down, because sox clips any sample above full scale
# between effects.
level() { # in out gain
  local low
  low=$(awk -v c="$ceiling_db" 'BEGIN {print c - 12}')
  sox -D "$1" -b 16 "$2" gain "$(awk -v g="$3" 'BEGIN {print g - 12}')" \
    compand 0,0.1 "-90,-90,$low,$low,0,$low" 12 -90
}

printf '%-13s %7s %7s %8s %8s  %s\n' clip seconds start "peak dB" "RMS dB" "wording (rate)"
failed=()
for row in "${clips[@]}"; do
  IFS='|' read -r file bound words speed <<<"$row"
  speed=${speed:-$rate}
  # -g -12 keeps the synthesiser's output below full scale, where it would clip the loudest
  # vowels; the levelling makes up for it.
  printf '%s\n' "$words" |
    open_jtalk -x "$dictionary" -m "$voice" -r "$speed" -g -12 -ow "$work/raw.wav"
  read -r raw_peak _ < <(levels "$work/raw.wav")
  # There the voice's silence lies below -70 dBFS, and speech starts and ends well above -62.
  sox -D "$work/raw.wav" -e floating-point -b 32 "$work/trimmed.wav" \
    silence 1 0.005 -62d reverse silence 1 0.005 -62d reverse pad 0.01 0.02 rate -v 22050
  read -r _ rms < <(levels "$work/trimmed.wav")
  gain=$(awk -v t="$target_rms_db" -v r="$rms" 'BEGIN {printf "%.3f", t - r}')
  level "$work/trimmed.wav" "$work/first.wav" "$gain"
  # The limiter took a little from the loudest clips: a second pass makes that good.
  read -r _ rms < <(levels "$work/first.wav")
  gain=$(awk -v g="$gain" -v t="$target_rms_db" -v r="$rms" 'BEGIN {printf "%.3f", g + t - r}')
  level "$work/trimmed.wav" "$work/$file" "$gain"

  read -r peak rms < <(levels "$work/$file")
  seconds=$(soxi -D "$work/$file")
  start=$(speech_start "$work/$file")
  printf '%-13s %7.3f %7.3f %8s %8s  %s (-r %s)\n' "$file" "$seconds" "$start" "$peak" "$rms" \
    "$words" "$speed"
  problem=$(awk -v b="$bound" -v d="$seconds" -v s="$start" -v p="$peak" -v r="$rms" \
    -v t="$target_rms_db" -v raw="$raw_peak" 'BEGIN {
      if (s < 0) print "no speech"
      else if (raw + 0 > -0.1) print "open_jtalk clipped"
      else if (p + 0 >= -1) print "peak " p " dBFS"
      else if (r - t > 1 || t - r > 1) print "RMS " r " dB"
      else if (b == "count" && s > 0.020) print "starts at " s " s"
      else if (b == "count" && d > 0.700) print "ends at " d " s"
      else if (b == "mark" && d > 0.900) print "ends at " d " s"
    }')
  if [ -z "$problem" ]; then
    mv "$work/$file" "$out/$file"
  else
    failed+=("$file: $problem") # the clip there before stays
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  printf 'out of bounds: %s\n' "${failed[@]}" >&2
  exit 1
fi
