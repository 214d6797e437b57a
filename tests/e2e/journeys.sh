#!/usr/bin/env bash
# The clock as a user meets it: the built program started in a fresh working folder on its
# own X server, driven only by key presses and mouse clicks (xdotool), its windows found by
# their titles, its audio written by SDL's disk driver so that the sound really flows.
#
#   journeys.sh <shogi-clock> <e2e-x11 helper> <screenshot folder>
set -euo pipefail

app=$(realpath "$1")
x11=$(realpath "$2")
shots=$3
data=$(cd "$(dirname "$0")/../../data" && pwd)
source "$(dirname "$0")/xserver.sh"
rm -rf "$shots"
mkdir -p "$shots"
begin_run

fail() {
  echo "FAIL: $*" >&2
  for wid in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    "$x11" shot "$wid" "$shots/failure-$wid.png" 2>/dev/null || true
  done
  exit 1
}

# A fresh working folder with the bundled pictures, clips and players, and a settings file of
# its own holding the text given, if any.
start_app() {
  folder=$work/$1
  settings_file=$folder/config/shogi-clock/shogi-clock.conf
  mkdir -p "$folder" "$(dirname "$settings_file")"
  [ -z "${2:-}" ] || printf '%s\n' "$2" >"$settings_file"
  cp -r "$data/bmp" "$data/sound" "$data/対局者.txt" "$folder/"
  (cd "$folder" && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$folder/audio.raw" \
    QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0 XDG_CONFIG_HOME="$folder/config" \
    exec "$app" >"$folder/app.log" 2>&1) &
  app_pid=$!
  main=$(wait_window "バンクロ７")
}

# The id of the visible window with this exact title, once it shows.
wait_window() {
  local title=$1 limit=${2:-15}
  for _ in $(seq $((limit * 10))); do
    local wid
    wid=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | tail -n 1 || true)
    [ -n "$wid" ] && { echo "$wid"; return 0; }
    sleep 0.1
  done
  fail "window \"$title\" did not show within $limit s"
}

wait_gone() {
  local wid=$1 limit=${2:-15}
  for _ in $(seq $((limit * 10))); do
    xdotool search --onlyvisible --name '.' 2>/dev/null | grep -qx "$wid" || return 0
    sleep 0.1
  done
  fail "window $wid did not close within $limit s"
}

shot() { "$x11" shot "$1" "$shots/$2.png" || fail "no screenshot of $2"; }

keys() {
  local wid=$1
  shift
  xdotool windowfocus --sync "$wid"
  xdotool key --delay 80 "$@"
}

# Clicks the middle of a control laid out at left, top, width, height in twips.
click() {
  local wid=$1 left=$2 top=$3 width=$4 height=$5
  local x=$(((left + 7) / 15 + ((left + width + 7) / 15 - (left + 7) / 15) / 2))
  local y=$(((top + 7) / 15 + ((top + height + 7) / 15 - (top + 7) / 15) / 2))
  xdotool windowfocus --sync "$wid"
  xdotool mousemove --window "$wid" "$x" "$y" click 1
  sleep 0.2
}

# Replaces the text of a field with what a person types.
type_into() {
  local wid=$1 text=$6
  click "$@"
  xdotool key ctrl+a BackSpace
  xdotool type --delay 50 "$text"
}

wait_exit() {
  local limit=$1
  for _ in $(seq $((limit * 10))); do
    kill -0 "$app_pid" 2>/dev/null || { wait "$app_pid"; return $?; }
    sleep 0.1
  done
  fail "the program did not end within $limit s"
}

# The clips the program played reached the device: the disk output is not all silence.
expect_sound() {
  local sounding
  sounding=$(tr -d '\000' <"$folder/audio.raw" | wc -c)
  [ "$sounding" -gt 10000 ] || fail "the audio output of $1 is silent ($sounding bytes)"
}

# Compares the result file with the blocks expected, where the total time shows as T and a
# main time that ran in real seconds from 15 minutes as 0:1m:ss.
expect_file() {
  local expected=$1
  local actual
  actual=$(iconv -f CP932 -t UTF-8 <"$folder/対局結果.txt" | tr -d '\r' |
    sed -e 's/TOTAL時間 [0-9:]*/TOTAL時間 T/' -e 's/ 0:1[45]:[0-9][0-9](/ 0:1m:ss(/')
  [ "$actual" = "$(printf '%s' "$expected")" ] || fail "result file differs:
--- expected
$expected
--- actual
$actual"
  # Code page 932 with CR LF: the bytes convert back to exactly the same file.
  iconv -f CP932 -t UTF-8 <"$folder/対局結果.txt" | iconv -f UTF-8 -t CP932 |
    cmp -s - "$folder/対局結果.txt" || fail "the result file is not code page 932"
  [ "$(tr -cd '\n' <"$folder/対局結果.txt" | wc -c)" = "$(tr -cd '\r' <"$folder/対局結果.txt" | wc -c)" ] ||
    fail "the result file's lines do not all end in CR LF"
}

# The record of play: UTF-8 with a byte-order mark, CR LF, the header, the events given in
# order in its last column, and the seconds charged to the moves and the unfinished last one
# adding up to the result file's TOTAL. Kept with the screenshots as <name>-record.csv. The
# journeys' names hold no comma, so a comma always parts two fields.
expect_record() {
  local name=$1 events=$2 record="$folder/対局記録.csv"
  [ -f "$record" ] || fail "no record of play"
  cp "$record" "$shots/$name-record.csv"
  [ "$(head -c 3 "$record" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "the record has no BOM"
  [ "$(tr -cd '\n' <"$record" | wc -c)" = "$(tr -cd '\r' <"$record" | wc -c)" ] &&
    ! grep -qv $'\r$' "$record" || fail "the record's lines do not all end in CR LF"
  local rows
  rows=$(tail -c +4 "$record" | tr -d '\r')
  [ "$(head -n 1 <<<"$rows")" = "対局開始,手数,手番,対局者,消費時間,持ち時間残り,秒読み,考慮時間残り,記事" ] ||
    fail "the record's header differs"
  local actual
  actual=$(tail -n +2 <<<"$rows" | cut -d, -f9 | sed 's/[： ].*//' | paste -sd' ')
  [ "$actual" = "$events" ] || fail "the record's events are \"$actual\", not \"$events\""
  local charged total
  charged=$(tail -n +2 <<<"$rows" | awk -F, '$9 == "指し手" || $9 ~ /^終局/ { s += $5 } END { print s }')
  total=$(iconv -f CP932 -t UTF-8 <"$folder/対局結果.txt" | tr -d '\r' | sed -n 's/^TOTAL時間 //p' |
    awk -F: '{ print $1 * 3600 + $2 * 60 + $3 }')
  [ -n "$total" ] && [ "$charged" = "$total" ] ||
    fail "the record charges $charged s, the result's TOTAL is ${total:-missing} s"
}

# Layout of the settings dialog and the pause and result windows, in twips.
SETTINGS_MINUTES1=(1320 1200 375 375)
SETTINGS_MINUTES2=(5400 1200 375 375)
SETTINGS_CONSIDERATION1=(1320 1800 495 375)
SETTINGS_CONSIDERATION2=(5520 1800 495 375)
SETTINGS_TEN_SECONDS1=(360 2760 255 375)
SETTINGS_TEN_SECONDS2=(4200 2760 255 375)
SETTINGS_TOSS1=(360 3840 1335 735)
SETTINGS_START=(2280 3840 1935 735)
SETTINGS_MODE=(7320 120 1815 300)
PAUSE_RESUME=(240 1920 1095 615)
PAUSE_RESIGN=(240 2760 1095 615)
PAUSE_REPLAY=(240 3600 1095 615)
PAUSE_SENTE_LOSES=(240 4440 1095 615)
PAUSE_DRAW=(240 6120 1095 615)
RESULT_OK=(1560 2760 1455 495)
# The short date form of the C locale the program runs in here.
TODAY=$(LC_ALL=C date "+%-d %b %Y")

record_result() {
  local message fin
  message=$(wait_window "終了" 20)
  shot "$message" "${1}-message"
  keys "$message" Return
  fin=$(wait_window "結果出力")
  shot "$fin" "${1}-frmFin"
  click "$fin" "${RESULT_OK[@]}"
  wait_gone "$fin"
}

# Ends a move a second, by the keys given.
moves_a_second() {
  for key in "$@"; do
    sleep 1
    keys "$main" "$key"
  done
}

journey_time_out() {
  echo "journey 1: a loss on time, once given ten seconds back"
  start_app time-out
  shot "$main" frmMain-start
  keys "$main" s
  local settings
  settings=$(wait_window "対局設定")
  for field in SETTINGS_MINUTES1 SETTINGS_MINUTES2 SETTINGS_CONSIDERATION1 SETTINGS_CONSIDERATION2; do
    local -n rect=$field
    type_into "$settings" "${rect[@]}" 0
  done
  click "$settings" "${SETTINGS_TEN_SECONDS1[@]}"
  click "$settings" "${SETTINGS_TEN_SECONDS2[@]}"
  shot "$settings" frmSub
  click "$settings" "${SETTINGS_START[@]}"
  wait_gone "$settings"
  moves_a_second space Return space Return
  shot "$main" frmMain-running
  local ask
  ask=$(wait_window "終了" 20)
  shot "$ask" time-out-question
  keys "$ask" Escape # Cancel: ten seconds back
  local back
  back=$(wait_window "戻します")
  keys "$back" Return
  ask=$(wait_window "終了" 20)
  keys "$ask" Tab space # OK, the button beside the default Cancel
  record_result time-out
  expect_file "対局日$TODAY
山田 太郎(先手)VS佐藤 花子(後手)
4手にて後手 佐藤 花子の勝ち(時間切れ)
残り時間　山田 太郎 0:00:00(+0)
残り時間　佐藤 花子 0:00:00(+0)
TOTAL時間 T
----------------------------------"
  expect_record time-out "開始 指し手 指し手 指し手 指し手 時間切れ 再開 時間切れ 終局"
  expect_sound "journey 1"
  keys "$main" F4 # no game: nothing
  "$x11" close "$main"
  wait_exit 10 || fail "journey 1: the close box ended the program with status $?"
}

# The result block of a game with the default 15 minutes and 10 consideration minutes,
# given the roles of the two players and the result line.
played_15_minutes() {
  printf '%s\n' "対局日$TODAY" "山田 太郎($1)VS佐藤 花子($2)" "$3" \
    "残り時間　山田 太郎 0:1m:ss(+10)" "残り時間　佐藤 花子 0:1m:ss(+10)" "TOTAL時間 T" \
    "----------------------------------"
}

# One game with the defaults, ended from the pause window by the button given.
game_ended_in_pause_window() {
  local button=$1 name=$2 moves=$3
  keys "$main" s
  local settings pause
  settings=$(wait_window "対局設定")
  click "$settings" "${SETTINGS_START[@]}"
  wait_gone "$settings"
  for ((i = 0; i < moves; i++)); do
    keys "$main" "$([ $((i % 2)) = 0 ] && echo space || echo Return)"
  done
  keys "$main" p
  pause=$(wait_window "対局中断ﾒﾆｭｰ")
  shot "$pause" "frmTyuudan-$name"
  local -n rect=$button
  click "$pause" "${rect[@]}"
  record_result "$name"
}

journey_pause_window() {
  echo "journey 2: games ended from the pause window, and a replay"
  start_app pause-window
  game_ended_in_pause_window PAUSE_RESIGN resign 3
  game_ended_in_pause_window PAUSE_SENTE_LOSES sente-loses 2
  game_ended_in_pause_window PAUSE_DRAW draw 1
  # A replay: the settings come back with the colours reversed and its draw button in view.
  keys "$main" s
  local settings pause
  settings=$(wait_window "対局設定")
  click "$settings" "${SETTINGS_START[@]}"
  wait_gone "$settings"
  keys "$main" p
  pause=$(wait_window "対局中断ﾒﾆｭｰ")
  click "$pause" "${PAUSE_REPLAY[@]}"
  settings=$(wait_window "対局設定")
  shot "$settings" frmSub-replay
  click "$settings" "${SETTINGS_START[@]}"
  wait_gone "$settings"
  shot "$main" frmMain-replay
  keys "$main" Return p # side 2 plays sente now and moves first
  pause=$(wait_window "対局中断ﾒﾆｭｰ")
  click "$pause" "${PAUSE_SENTE_LOSES[@]}"
  record_result replay
  expect_file "$(played_15_minutes 先手 後手 "3手にて先手 山田 太郎の勝ち(投了)")
$(played_15_minutes 先手 後手 "2手にて後手 佐藤 花子の勝ち")
$(played_15_minutes 先手 後手 "1手にて引き分け")
$(played_15_minutes 後手 先手 "1手にて後手 山田 太郎の勝ち")"
  expect_sound "journey 2"
  "$x11" close "$main"
  wait_exit 10 || fail "journey 2: the program ended with status $?"
}

journey_piece_toss() {
  echo "journey 3: a piece toss that completes and closes itself, and the about window"
  start_app piece-toss
  keys "$main" s
  local settings toss
  settings=$(wait_window "対局設定")
  click "$settings" "${SETTINGS_TOSS1[@]}"
  toss=$(wait_window "振駒")
  sleep 1
  shot "$toss" frmFurigoma-turning
  # The pieces rest after a random number of turns; the result then shows for three seconds
  # before the window closes itself, so the last picture taken while it is there shows it.
  local taken=0
  while "$x11" shot "$toss" "$shots/frmFurigoma-result.png" 2>/dev/null; do
    taken=1
    sleep 0.5
  done
  [ "$taken" = 1 ] || fail "no screenshot of frmFurigoma-result"
  wait_gone "$toss" 10
  shot "$settings" frmSub-after-toss
  keys "$settings" F1
  wait_gone "$settings"
  xdotool windowfocus --sync "$main"
  xdotool mousemove --window "$main" 60 10 click 1 # the menu ヘルプ
  sleep 0.5
  xdotool key Down Down Return # バージョン情報, below 操作方法
  local about
  about=$(wait_window "バンクロのﾊﾞｰｼﾞｮﾝ情報")
  shot "$about" frmAbout
  keys "$about" Escape
  wait_gone "$about"
  "$x11" close "$main"
  wait_exit 10 || fail "journey 3: the program ended with status $?"
}

journey_exit() {
  echo "journey 4: 終了 during a running game, the close box, and SIGTERM after a held P"
  start_app exit
  keys "$main" s
  local settings
  settings=$(wait_window "対局設定")
  click "$settings" "${SETTINGS_START[@]}"
  wait_gone "$settings"
  xdotool windowfocus --sync "$main"
  xdotool mousemove --window "$main" 18 10 click 1 # the menu 対局
  sleep 0.5
  xdotool key Up Return # its last entry, 終了
  wait_exit 10 || fail "journey 4: 終了 ended the program with status $?"
  expect_events "開始 終局：中止"
  start_app close-box
  keys "$main" s
  settings=$(wait_window "対局設定")
  click "$settings" "${SETTINGS_START[@]}"
  wait_gone "$settings"
  "$x11" close "$main"
  wait_exit 10 || fail "journey 4: the close box ended the program with status $?"
  expect_events "開始 終局：中止"
  start_app signal
  keys "$main" s
  settings=$(wait_window "対局設定")
  click "$settings" "${SETTINGS_START[@]}"
  wait_gone "$settings"
  xdotool windowfocus --sync "$main"
  xdotool keydown p && sleep 1.5 && xdotool keyup p # held: one pause, the window stays
  wait_window "対局中断ﾒﾆｭｰ" >/dev/null
  kill -TERM "$app_pid"
  wait_exit 10 || fail "journey 4: SIGTERM ended the program with status $?"
  expect_events "開始 中断 終局：中止"
}

# The events of the record of play, in order, with their details.
expect_events() {
  local actual
  actual=$(tail -n +2 "$folder/対局記録.csv" | tr -d '\r' | cut -d, -f9 | paste -sd' ')
  [ "$actual" = "$1" ] || fail "the record's events are \"$actual\", not \"$1\""
}

# A window's client area as "x y width height", on the screen.
window_box() {
  local X= Y= WIDTH= HEIGHT=
  eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
  echo "$X $Y $WIDTH $HEIGHT"
}

# The size of a window's client area, as "width height".
client_size() {
  local box
  read -r -a box <<<"$(window_box "$1")"
  echo "${box[2]} ${box[3]}"
}

# Fails unless the window's middle lies within a title bar's height of the screen's middle.
expect_centred() {
  local box
  read -r -a box <<<"$(window_box "$1")"
  local dx=$((box[0] + box[2] / 2 - 960)) dy=$((box[1] + box[3] / 2 - 540))
  [ ${dx#-} -le 30 ] && [ ${dy#-} -le 30 ] ||
    fail "$2 is ${dx}, ${dy} pixels off the middle of the screen"
}

wait_size() {
  local wid=$1 expected=$2
  for _ in $(seq 50); do
    [ "$(client_size "$wid")" = "$expected" ] && return 0
    sleep 0.1
  done
  fail "window $wid is $(client_size "$wid"), not $expected"
}

# Full screen needs a window manager, so this journey alone runs one. The face must grow to
# about twice its size on the full-HD screen: its text, lines and frames span twice as far.
journey_full_screen() {
  echo "journey 5: F11 gives the face the whole screen in play, F11 again gives it back"
  openbox --sm-disable >/dev/null 2>&1 &
  local wm_pid=$!
  for _ in $(seq 50); do "$x11" wm && break || sleep 0.1; done
  "$x11" wm || fail "the window manager did not start"
  start_app full-screen
  keys "$main" s
  local settings normal designed full
  settings=$(wait_window "対局設定")
  click "$settings" "${SETTINGS_START[@]}"
  wait_gone "$settings"
  keys "$main" space
  normal=$(client_size "$main")
  shot "$main" full-screen-before
  keys "$main" F11
  wait_size "$main" "1920 1080"
  sleep 1
  keys "$main" Return
  sleep 1
  shot "$main" full-screen
  read -r -a designed <<<"$("$x11" ink "$shots/full-screen-before.png")"
  read -r -a full <<<"$("$x11" ink "$shots/full-screen.png")"
  [ $((full[0] * 10)) -ge $((designed[0] * 18)) ] && [ $((full[1] * 10)) -ge $((designed[1] * 18)) ] ||
    fail "in full screen the face spans ${full[*]} pixels, at its designed size ${designed[*]}"
  keys "$main" p
  local pause
  pause=$(wait_window "対局中断ﾒﾆｭｰ")
  expect_centred "$pause" "the pause window over the full-screen clock"
  shot "$pause" full-screen-pause
  click "$pause" "${PAUSE_RESUME[@]}"
  wait_gone "$pause"
  keys "$main" F11
  wait_size "$main" "$normal"
  "$x11" close "$main"
  wait_exit 10 || fail "journey 5: the close box ended the program with status $?"
  kill "$wm_pid"
  wait "$wm_pid" 2>/dev/null || true
}

# The moves in the record of play so far.
moves_recorded() {
  tail -n +2 "$folder/対局記録.csv" 2>/dev/null | tr -d '\r' | cut -d, -f9 | grep -cx 指し手 || true
}

# Waits for the record to hold this many moves, and fails if it comes to hold another number.
expect_moves() {
  for _ in $(seq 50); do
    [ "$(moves_recorded)" = "$1" ] && { sleep 0.3; [ "$(moves_recorded)" = "$1" ] && return 0; }
    sleep 0.1
  done
  fail "$2: the record holds $(moves_recorded) moves, not $1"
}

# Clicks the main window's face at x, y pixels of its client area.
click_face() {
  xdotool windowfocus --sync "$main"
  xdotool mousemove --window "$main" "$1" "$2" click 1
}

journey_pedals_and_taps() {
  echo "journey 6: pedals' keys F13 and Page Down, taps on the halves, and a key recorded in キー設定"
  start_app pedals "[keys]
left=F13
right=PgDown
[input]
tap=true"
  keys "$main" s
  local settings pause keys_window
  settings=$(wait_window "対局設定")
  click "$settings" "${SETTINGS_START[@]}"
  wait_gone "$settings"
  shot "$main" pedals
  keys "$main" F13
  expect_moves 1 "F13"
  keys "$main" Next # Page Down
  expect_moves 2 "Page Down"
  keys "$main" F13
  expect_moves 3 "F13 again"
  click_face 200 300 # the left half, while the right side is to move
  expect_moves 3 "a click on the half of the side not to move"
  click_face 750 300
  expect_moves 4 "a click on the right half, the right side to move"
  keys "$main" p
  pause=$(wait_window "対局中断ﾒﾆｭｰ")
  click "$pause" "${PAUSE_DRAW[@]}"
  record_result pedals
  expect_record pedals "開始 指し手 指し手 指し手 指し手 中断 終局"
  # キー設定, from the menu 対局: the left side's 追加 has the focus; Space records, Enter is OK.
  xdotool windowfocus --sync "$main"
  xdotool mousemove --window "$main" 18 10 click 1
  sleep 0.5
  xdotool key Down Down Return # its second entry, below 対局設定
  keys_window=$(wait_window "キー設定")
  keys "$keys_window" space F14
  shot "$keys_window" key-settings
  keys "$keys_window" Return
  wait_gone "$keys_window"
  grep -qx 'left=F13, F14' "$settings_file" || fail "キー設定 did not keep F14: $(cat "$settings_file")"
  keys "$main" s
  settings=$(wait_window "対局設定")
  click "$settings" "${SETTINGS_START[@]}"
  wait_gone "$settings"
  keys "$main" F14
  expect_moves 5 "F14, recorded in キー設定"
  "$x11" close "$main"
  wait_exit 10 || fail "journey 6: the close box ended the program with status $?"
}

# The record's rows of moves, one field of each.
record_moves() {
  tail -c +4 "$folder/対局記録.csv" | tr -d '\r' | awk -F, -v f="$1" '$9 == "指し手" { print $f }'
}

journey_sudden_death() {
  echo "journey 7: a one-minute 切れ負け game chosen in the settings window, lost on time"
  start_app sudden-death
  keys "$main" s
  local settings ask result
  settings=$(wait_window "対局設定")
  click "$settings" "${SETTINGS_MODE[@]}"
  xdotool key Down Return # 切れ負け, below 秒読み
  for field in SETTINGS_MINUTES1 SETTINGS_MINUTES2; do
    local -n rect=$field
    type_into "$settings" "${rect[@]}" 1
  done
  shot "$settings" sudden-death-settings
  click "$settings" "${SETTINGS_START[@]}"
  wait_gone "$settings"
  moves_a_second space Return
  shot "$main" sudden-death
  ask=$(wait_window "終了" 75)
  keys "$ask" Tab space # OK: the time-out stands
  record_result sudden-death
  result=$(iconv -f CP932 -t UTF-8 <"$folder/対局結果.txt" | tr -d '\r' | sed -n '3,4p' | paste -sd'|')
  [ "$result" = "2手にて後手 佐藤 花子の勝ち(時間切れ)|残り時間　山田 太郎 0:00:00(+0)" ] ||
    fail "journey 7: the result reads \"$result\""
  expect_record sudden-death "開始 指し手 指し手 時間切れ 終局"
  [ "$(record_moves 7)$(record_moves 8)" = "" ] || fail "journey 7: a move's row has byoyomi"
  grep -qx 'mode=sudden-death' "$settings_file" || fail "journey 7: the time control was not kept"
  "$x11" close "$main"
  wait_exit 10 || fail "journey 7: the close box ended the program with status $?"
}

journey_fischer() {
  echo "journey 8: a Fischer game from the settings file, its main time growing by the increment"
  start_app fischer "[game]
mode=fischer
minutes=1
increment=10"
  keys "$main" s
  local settings pause left
  settings=$(wait_window "対局設定")
  shot "$settings" fischer-settings
  click "$settings" "${SETTINGS_START[@]}"
  wait_gone "$settings"
  moves_a_second space Return space Return
  expect_moves 4 "journey 8"
  shot "$main" fischer
  # The left side's main time after its two moves: each adds 10 s and uses about one.
  left=($(record_moves 6 | awk -F: 'NR % 2 { print $1 * 3600 + $2 * 60 + $3 }'))
  [ "${left[0]}" -ge 65 ] && [ "${left[0]}" -le 70 ] &&
    [ $((left[1] - left[0])) -ge 5 ] && [ $((left[1] - left[0])) -le 10 ] ||
    fail "journey 8: the left side's main time after its moves is ${left[*]} s"
  keys "$main" p
  pause=$(wait_window "対局中断ﾒﾆｭｰ")
  click "$pause" "${PAUSE_DRAW[@]}"
  record_result fischer
  expect_record fischer "開始 指し手 指し手 指し手 指し手 中断 終局"
  "$x11" close "$main"
  wait_exit 10 || fail "journey 8: the close box ended the program with status $?"
}

start_x || fail "no X server"
journey_time_out
journey_pause_window
journey_piece_toss
journey_exit
journey_full_screen
journey_pedals_and_taps
journey_sudden_death
journey_fischer
echo "all journeys passed; screenshots in $shots"
