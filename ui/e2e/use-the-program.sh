#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Uses the real program in a virtual display as a person would: waits for the
# splash and the main window, takes a screenshot, closes the splash with a
# click, runs a measurement with a click on "Выполнить измерение", opens
# «Анализ» / «Характеристики…» and builds an operating characteristic there
# (a screenshot of it), types a
# gain out of range and clicks the same button (the correction message, then
# the measurement), and ends the program through "Файл" / "Выход". Then the
# journal kept in the data folder holds both measurements, and
# detector-lab-sweep --verify reproduces them. On the way, the window's class
# is the desktop entry's StartupWMClass, it carries its icon at six sizes,
# and the journal window is shown. Leaves nothing running.
#   use-the-program.sh <detector-lab executable> <folder for the screenshots> <detector-lab-sweep executable> <desktop entry>
# Exit status 77 (skipped) when Xvfb, xdotool, import or xprop is missing.
set -uo pipefail
program=$1
shots=$2
sweep=$3
entry=$4

if [ -z "${DL_E2E_DISPLAY_READY:-}" ]; then
  for tool in Xvfb xdotool import xprop; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
  mkdir -p "$shots"
  here=$(cd "$(dirname "$0")" && pwd)
  DL_E2E_DISPLAY_READY=1 exec timeout -k 5 90 "$here/../../tools/testsupport/with-display.sh" "$0" "$@"
fi

# In a sanitizer build: libxkbcommon-x11, which Qt's X11 platform loads,
# reads its keymap names with strndup past their end.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:strict_string_checks=0"

fail() { echo "FAIL: $*" >&2; exit 1; }

# The journal goes to a data folder of the test's own, never the user's, and
# the remembered settings (the language of a start) to a folder in it.
XDG_DATA_HOME=$(mktemp -d)
XDG_CONFIG_HOME=$XDG_DATA_HOME/config
export XDG_DATA_HOME XDG_CONFIG_HOME

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -rf "$XDG_DATA_HOME"' EXIT

# Prints the id of the program's visible window whose size is WxH (the
# splash) or whose title starts as given (the main window).
find_window() {
  local wanted=$1 id WIDTH HEIGHT X Y WINDOW SCREEN
  for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    case $wanted in
      size=*)
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [ "${WIDTH}x${HEIGHT}" = "${wanted#size=}" ] && { echo "$id"; return 0; } ;;
      *)
        xdotool getwindowname "$id" 2>/dev/null | grep -q "^$wanted" && { echo "$id"; return 0; } ;;
    esac
  done
  return 1
}

wait_for_window() {
  local tries
  for tries in $(seq 100); do
    find_window "$1" && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.05
  done
  return 1
}

region_sum() { import -window root -crop "$1" png:- | md5sum; }

# Waits up to five seconds for the region to look other than its given sum.
region_changes() {
  local tries
  for tries in $(seq 50); do
    [ "$(region_sum "$1")" != "$2" ] && return 0
    sleep 0.1
  done
  return 1
}

splash=$(wait_for_window size=400x300) || fail "no splash window"
main=$(wait_for_window "Лабораторная работа № 4") || fail "no main window"
sleep 0.3
import -window root "$shots/start.png" || fail "no screenshot"

# The desktop ties the window to its launcher by the window's class.
wm_class=$(xprop -id "$main" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = ".*", "\(.*\)"$/\1/p')
[ "$wm_class" = "$(sed -n 's/^StartupWMClass=//p' "$entry")" ] \
  || fail "the window's class '$wm_class' is not the desktop entry's StartupWMClass"
icons=$(xprop -id "$main" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
[ "$icons" = "Icon (16 x 16) Icon (24 x 24) Icon (32 x 32) Icon (48 x 48) Icon (64 x 64) Icon (128 x 128) " ] \
  || fail "the window carries its icon at: $icons"

eval "$(xdotool getwindowgeometry --shell "$splash")"
xdotool mousemove $((X + 200)) $((Y + 150)) click 1
for tries in $(seq 50); do find_window size=400x300 >/dev/null || break; sleep 0.1; done
find_window size=400x300 >/dev/null && fail "the splash did not close on a click"

eval "$(xdotool getwindowgeometry --shell "$main")"
menu_height=$((HEIGHT - 542))
# Client coordinates: Button3, StaticText2 and the K field inside their group boxes.
button3=($((X + 8 + 8 + 40 + 80)) $((Y + menu_height + 312 + 16 + 80 + 12)))
gain_field=($((X + 8 + 256 + 16 + 100)) $((Y + menu_height + 312 + 16 + 48 + 10)))
trials_display="209x25+$((X + 8 + 256 + 16))+$((Y + menu_height + 312 + 136 + 24))"
before_measurement=$(region_sum "$trials_display")
xdotool mousemove "${button3[@]}" click 1
region_changes "$trials_display" "$before_measurement" \
  || fail "the number of trials did not change after the click on Button3"
import -window root "$shots/measured.png"

# «Анализ» / «Характеристики…» from the menu bar (the menu right of «Журнал»),
# then an operating characteristic at K = 6 over H from -100 to 150 mV, 1000
# trials a point, typed from the keyboard; the picture is drawn in the window.
xdotool mousemove $((X + 20)) $((Y + menu_height / 2)) click 1
sleep 0.3
xdotool key Right Right Right Up Return
analysis=$(wait_for_window "Характеристики") || fail "no window «Характеристики» from the menu «Анализ»"
sleep 0.3
eval "$(xdotool getwindowgeometry --shell "$analysis")"
# The window opens with the focus on its first field, what to draw; from
# there Tab reaches K, the range and the trials in turn.
xdotool key Tab Tab Tab ctrl+a type 6
xdotool key Tab Tab ctrl+a minus type 100
xdotool key Tab ctrl+a type 150
xdotool key Tab ctrl+a type 2.5
picture="300x300+$((X + WIDTH - 400))+$((Y + 100))"
blank_picture=$(region_sum "$picture")
xdotool key Tab Home Tab Tab Tab space
region_changes "$picture" "$blank_picture" || fail "no picture drawn in «Характеристики»"
sleep 0.5
import -window root "$shots/characteristics.png"
xdotool key Escape
for tries in $(seq 50); do find_window "Характеристики" >/dev/null || break; sleep 0.1; done
find_window "Характеристики" >/dev/null && fail "«Характеристики» did not close on Escape"
eval "$(xdotool getwindowgeometry --shell "$main")"

# «Журнал» / «Журнал измерений» (the menu right of «Лабораторная установка»)
# shows the measurement made; Escape closes it.
xdotool mousemove $((X + 20)) $((Y + menu_height / 2)) click 1
sleep 0.3
xdotool key Right Right Return
journal=$(wait_for_window "Журнал измерений") || fail "no journal window from the menu «Журнал»"
sleep 0.3
import -window root "$shots/journal.png"
xdotool key Escape
for tries in $(seq 50); do find_window "Журнал измерений" >/dev/null || break; sleep 0.1; done
find_window "Журнал измерений" >/dev/null && fail "the journal window did not close on Escape"

# A gain out of range, then the same click: the field's correction message
# comes first, and the click it interrupted still runs the measurement.
results="713x25+$((X + 8 + 8 + 16))+$((Y + menu_height + 312 + 136 + 24))"
before_correction=$(region_sum "$results")
xdotool mousemove "${gain_field[@]}" click 1 key ctrl+a type 5000
xdotool mousemove "${button3[@]}" click 1
wait_for_window detector-lab >/dev/null || fail "no message about the gain out of range"
import -window root "$shots/correction-message.png"
xdotool key Return
region_changes "$results" "$before_correction" || fail "no measurement after the correction message"
find_window detector-lab >/dev/null && fail "the correction message is still open"
import -window root "$shots/measured-after-correction.png"

xdotool mousemove $((X + 20)) $((Y + menu_height / 2)) click 1
sleep 0.3
xdotool key Up Return
for tries in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
kill -0 "$pid" 2>/dev/null && fail "the program is still running after Файл / Выход"
wait "$pid"
status=$?
trap 'rm -rf "$XDG_DATA_HOME"' EXIT
[ "$status" -eq 0 ] || fail "the program ended with status $status"

journals=("$XDG_DATA_HOME"/detector-lab/journal-*.csv)
[ "${#journals[@]}" -eq 1 ] && [ -f "${journals[0]}" ] || fail "no journal kept in the data folder"
[ "$(wc -l <"${journals[0]}")" -eq 4 ] || fail "the journal does not hold the two measurements"
"$sweep" --verify "${journals[0]}" >"$XDG_DATA_HOME/verified" || { cat "$XDG_DATA_HOME/verified"; fail "the journal does not reproduce"; }
echo "ok: splash, main window, its class and icons, measurement, characteristics, journal window, exit and the journal; screenshots in $shots"
