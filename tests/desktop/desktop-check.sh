#!/usr/bin/env bash
# The viewer as a user meets it on a Linux desktop: a real X11 window under a real window manager
# (openbox) on a virtual 1280 × 1024 screen (Xvfb). F1 opens the help over the main window and Escape
# closes it; Ctrl+O opens the open dialog, where a sample is opened by typing its path; the window is
# maximised with wmctrl and its new size checked, a series chosen in the series list with the keyboard, the
# graph checked and the screen saved as a screenshot; restoring puts the window back at its place and size.
# The table opens and Escape closes it; saving the table over an existing file asks first; a file of random
# bytes is refused with a message. Then it starts the viewer as a file manager does, `radview FILE` with a
# file of one series, and checks that the series is shown without the series list; a span dragged over its
# graph shows its panel, Ctrl+C copies its figures (read back with xclip and checked against radview-dump's
# count and average) and Escape clears it. The same file opened with LANG=en_US.UTF-8 shows a window titled
# in English (desktop-english.png). Last, a 1366 × 768 screen at QT_SCALE_FACTOR=1.5 shows the
# whole window, status bar included, also maximised. Screenshots of the steps are saved beside
# SCREENSHOT.png (desktop-*.png).
#   desktop-check.sh VIEWER SAMPLE SCREENSHOT.png ONE_SERIES_SAMPLE RADVIEW_DUMP
# Exits 0 when every step passed, 1 with a message naming the step that failed, and 77 (ctest's "skipped")
# when a tool it needs is missing. It waits for windows by polling with a generous deadline, never by
# fixed pauses, so a slow machine only makes it slower.
set -euo pipefail

viewer="$1"
sample="$2"
screenshot="$3"
one_series="$4"
dump="$5"

step="starting"
fail() {
    echo "desktop check FAILED at \"$step\": $*" >&2
    exit 1
}

missing=()
for tool in Xvfb openbox xdotool wmctrl xwininfo xprop import convert xclip; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if [ "${#missing[@]}" -gt 0 ]; then
    echo "desktop check skipped: missing ${missing[*]} (packages xvfb openbox xdotool wmctrl x11-utils imagemagick xclip)" >&2
    exit 77
fi
[ -x "$viewer" ] || fail "no viewer at $viewer"
[ -f "$sample" ] || fail "no sample at $sample"
[ -f "$one_series" ] || fail "no sample at $one_series"
[ -x "$dump" ] || fail "no radview-dump at $dump"

work="$(mktemp -d)"
# The viewer keeps its settings there, not in the user's ~/.config: every run starts as a first start.
export XDG_CONFIG_HOME="$work/config"
pids=()
cleanup() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

# poll DEADLINE_SECONDS COMMAND...: runs the command until it succeeds or the deadline passes.
poll() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

viewer_alive() {
    kill -0 "$viewer_pid" 2>/dev/null || fail "the viewer has ended (exit status $(wait "$viewer_pid"; echo $?)); its output: $(cat "$work/viewer.log")"
}

# The X id of the one visible window whose title is exactly the given text.
window_named() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

geometry() { # WIDTH HEIGHT of a window
    xwininfo -id "$1" | awk '/^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w, h}'
}

place() { # LEFT TOP WIDTH HEIGHT of a window's client area on the screen
    xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4}
        /^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print x, y, w, h}'
}

frame_place() { # LEFT TOP RIGHT BOTTOM (exclusive) of a window with the window manager's frame
    local x y w h l r t b
    read -r x y w h < <(place "$1")
    read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | grep -o '[0-9]*, [0-9]*, [0-9]*, [0-9]*' | tr -d ,)
    echo $((x - ${l:-0})) $((y - ${t:-0})) $((x + w + ${r:-0})) $((y + h + ${b:-0}))
}

shot() { # saves the screen as desktop-NAME.png beside the main screenshot
    import -window root "$(dirname "$screenshot")/desktop-$1.png" || fail "could not save the screenshot $1"
}

# The window's titles and texts looked for below are the Russian ones, whatever the machine's language;
# the English step sets its own.
export LC_ALL=C.UTF-8
unset LANGUAGE

step="start the virtual screen"
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
exec 3>&-
poll 30 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")"

step="start the window manager"
# A configuration folder of its own: openbox then runs with the system's default configuration.
XDG_CONFIG_HOME="$work/config" openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
poll 30 wmctrl -m || fail "openbox did not take the screen: $(cat "$work/openbox.log")"

step="start the viewer"
cp "$sample" "$work/several.rad"
QT_QPA_PLATFORM=xcb "$viewer" >"$work/viewer.log" 2>&1 &
viewer_pid=$!
pids+=("$viewer_pid")
poll 60 window_named "Визуализация данных" || fail "no main window appeared; viewer output: $(cat "$work/viewer.log")"
main="$(window_named "Визуализация данных")"
read -r width height < <(geometry "$main")
[ "$width" -eq 707 ] || fail "the main window is $width pixels wide, not 707"
design_height="$height"
mkdir -p "$(dirname "$screenshot")"

step="F1 opens the help over the main window"
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
xdotool key --clearmodifiers F1
poll 30 window_named "Помощь" || { viewer_alive; fail "F1 opened no window titled «Помощь»"; }
help="$(window_named "Помощь")"
read -r ml mt mw mh < <(place "$main")
read -r hl ht hw hh < <(place "$help")
dx=$((hl + hw / 2 - ml - mw / 2))
dy=$((ht + hh / 2 - mt - mh / 2))
echo "help centre off the main window's by $dx, $dy"
[ "${dx#-}" -le 30 ] && [ "${dy#-}" -le 30 ] || fail "the help is not over the main window (its centre is $dx, $dy off)"
shot help
xdotool windowactivate --sync "$help" >/dev/null 2>&1 || true
xdotool key --clearmodifiers Escape
help_gone() { [ -z "$(window_named "Помощь")" ]; }
poll 30 help_gone || fail "Escape did not close the help"

step="Ctrl+O opens the open dialog, where the sample is opened by its typed path"
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
xdotool key --clearmodifiers ctrl+o
poll 30 window_named "Открыть" || { viewer_alive; fail "Ctrl+O opened no dialog titled «Открыть»"; }
dialog="$(window_named "Открыть")"
xdotool windowactivate --sync "$dialog" >/dev/null 2>&1 || true
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "$work/several.rad"
xdotool key --clearmodifiers Return
poll 30 window_named "Выбор серии" || { viewer_alive; fail "the series list did not appear after typing the path"; }
list="$(window_named "Выбор серии")"

step="the series list belongs to the main window"
transient="$(xprop -id "$list" WM_TRANSIENT_FOR | grep -o '0x[0-9a-f]*' || true)"
[ -n "$transient" ] && [ $((transient)) -eq "$main" ] ||
    fail "the series list is not transient for the main window (WM_TRANSIENT_FOR: ${transient:-none})"

step="maximise the main window"
read -r normal_left normal_top normal_width normal_height < <(place "$main")
wmctrl -i -r "$main" -b add,maximized_vert,maximized_horz
wide() { read -r w h < <(geometry "$main"); [ "$w" -ge 1200 ] && [ "$h" -gt $((design_height + 300)) ]; }
poll 30 wide || fail "the window stayed at $(geometry "$main") after wmctrl asked to maximise it"
read -r width height < <(geometry "$main")
echo "maximised to $width x $height"

step="choose a series in the list with the keyboard"
viewer_alive
xdotool windowactivate --sync "$list" >/dev/null 2>&1 || true
xdotool key --clearmodifiers Down
xdotool key --clearmodifiers Return
list_gone() { [ -z "$(window_named "Выбор серии")" ]; }
poll 30 list_gone || { viewer_alive; fail "the series list is still open after Down and Return"; }

step="the graph shows the series across the maximised window"
viewer_alive
# The window's own top-left corner on the screen; the graph lies under the menu bar and the toolbar.
corner() {
    read -r left top < <(xwininfo -id "$main" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} END {print x, y}')
}
corner
white_graph() {
    import -window root "$work/screen.png" &&
        # A strip inside the plot frame near its right end, half-way down the graph: the white background
        # of a drawn series there says that the graph fills the new width.
        mean="$(convert "$work/screen.png" -crop "20x20+$((left + width - 40))+$((top + 60 + (height - 60 - 132) / 2))" \
            -colorspace Gray -format '%[fx:mean]' info:)" &&
        awk -v m="$mean" 'BEGIN { exit !(m > 0.9) }'
}
poll 30 white_graph || fail "the graph does not show a series at the right of the maximised window (mean grey ${mean:-?})"

step="save the screenshot"
import -window root "$screenshot" || fail "could not save $screenshot"
echo "screenshot: $screenshot"

step="restore the main window to its place and size"
wmctrl -i -r "$main" -b remove,maximized_vert,maximized_horz
restored() { [ "$(place "$main")" = "$normal_left $normal_top $normal_width $normal_height" ]; }
poll 30 restored || fail "the restored window is at $(place "$main"), not $normal_left $normal_top $normal_width $normal_height"
[ "$normal_width" -eq 707 ] && [ "$normal_height" -eq "$design_height" ] || fail "the window was not at its design size"
shot restored

step="the table opens, and Escape closes it"
viewer_alive
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
# The table button is the toolbar's fifth, at x 107.
xdotool mousemove --window "$main" 119 41 click 1
table_named() { xdotool search --onlyvisible --name "^Файл several.rad; Серия N [0-9]+$" 2>/dev/null | head -n 1; }
poll 30 table_named || { viewer_alive; fail "no table window named after its file and series appeared"; }
table="$(table_named)"
shot table
xdotool windowactivate --sync "$table" >/dev/null 2>&1 || true
xdotool key --clearmodifiers Escape
table_gone() { [ -z "$(table_named)" ]; }
poll 30 table_gone || fail "Escape did not close the table"

step="saving the table over an existing file asks first"
printf 'keep' >"$work/existing.txt"
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
# The save button is the toolbar's third, at x 56; the range dialog takes Enter as OK.
xdotool mousemove --window "$main" 68 41 click 1
poll 30 window_named "Выбор диапазона" || { viewer_alive; fail "no range dialog appeared"; }
xdotool windowactivate --sync "$(window_named "Выбор диапазона")" >/dev/null 2>&1 || true
xdotool key --clearmodifiers Return
poll 30 window_named "Сохранить как" || { viewer_alive; fail "no save dialog «Сохранить как» appeared"; }
xdotool windowactivate --sync "$(window_named "Сохранить как")" >/dev/null 2>&1 || true
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "$work/existing.txt"
xdotool key --clearmodifiers Return
# Qt's question has the save dialog's title: two windows of that title.
asked() { [ "$(xdotool search --onlyvisible --name "^Сохранить как\$" 2>/dev/null | wc -l)" -ge 2 ]; }
poll 30 asked || { viewer_alive; fail "the existing file was about to be replaced without a question"; }
shot overwrite-question
xdotool key --clearmodifiers Escape # No
one_save_dialog() { [ "$(xdotool search --onlyvisible --name "^Сохранить как\$" 2>/dev/null | wc -l)" -eq 1 ]; }
poll 30 one_save_dialog || fail "the question did not close on Escape"
xdotool key --clearmodifiers Escape # the save dialog itself
save_gone() { [ -z "$(window_named "Сохранить как")" ]; }
poll 30 save_gone || fail "the save dialog did not close"
[ "$(cat "$work/existing.txt")" = keep ] || fail "the existing file was replaced although the question was answered No"

step="a file of random bytes is refused with a message"
head -c 600 /dev/urandom >"$work/random.rad"
# No series may start: the first series' marker byte (offset 7) without its two high bits.
printf '\x00' | dd of="$work/random.rad" bs=1 seek=7 conv=notrunc status=none
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
xdotool key --clearmodifiers ctrl+o
poll 30 window_named "Открыть" || { viewer_alive; fail "Ctrl+O opened no dialog the second time"; }
xdotool windowactivate --sync "$(window_named "Открыть")" >/dev/null 2>&1 || true
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "$work/random.rad"
xdotool key --clearmodifiers Return
poll 30 window_named "Ошибка" || { viewer_alive; fail "no message «Ошибка» for a file of random bytes"; }
shot random-bytes
[ -z "$(window_named "Выбор серии")" ] || fail "an empty series list appeared for a file of random bytes"
xdotool windowactivate --sync "$(window_named "Ошибка")" >/dev/null 2>&1 || true
xdotool key --clearmodifiers Escape
message_gone() { [ -z "$(window_named "Ошибка")" ]; }
poll 30 message_gone || fail "the message did not close on Escape"

step="close the viewer"
wmctrl -i -c "$main"
poll 30 bash -c "! kill -0 $viewer_pid 2>/dev/null" || fail "the viewer did not end when its window was closed"

step="start the viewer with a file, as a file manager does"
cp "$one_series" "$work/one.rad"
QT_QPA_PLATFORM=xcb "$viewer" "$work/one.rad" >"$work/viewer.log" 2>&1 &
viewer_pid=$!
pids+=("$viewer_pid")
poll 60 window_named "Визуализация данных" || fail "no main window appeared; viewer output: $(cat "$work/viewer.log")"
main="$(window_named "Визуализация данных")"

step="the graph shows the file's one series"
viewer_alive
read -r width height < <(geometry "$main")
corner
# Most of the plot is pure white once a series is drawn; before, the whole graph area has the window's own
# light grey, which a mean brightness alone would not tell from white.
white_plot() {
    import -window root "$work/screen.png" &&
        white="$(convert "$work/screen.png" -crop "$((width - 80))x$((height - 212))+$((left + 70))+$((top + 65))" \
            +repage -fill black +opaque white -colorspace Gray -format '%[fx:mean]' info:)" &&
        awk -v w="$white" 'BEGIN { exit !(w > 0.5) }'
}
poll 30 white_plot || { viewer_alive; fail "the graph does not show a series (white share ${white:-?})"; }
[ -z "$(window_named "Выбор серии")" ] || fail "the series list appeared for a file of one series"

step="a span dragged over the whole graph, its figures copied"
# From left of the plot frame to right of it: by a click's rule, the first measurement to the last.
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
xdotool mousemove --window "$main" 2 150 mousedown 1 mousemove --window "$main" 300 150 \
    mousemove --window "$main" 706 150 mouseup 1
poll 30 window_named "Выделенный участок" || { viewer_alive; fail "no panel «Выделенный участок» appeared"; }
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
xdotool key --clearmodifiers ctrl+c
copied() { xclip -o -selection clipboard >"$work/span.txt" 2>/dev/null && grep -q '^Измерений' "$work/span.txt"; }
poll 30 copied || { viewer_alive; fail "Ctrl+C put no figures of the span on the clipboard"; }
# The series' own count and average, as radview-dump --summary states them (columns 8 and 10).
IFS=, read -r -a summary < <("$dump" --summary "$work/one.rad" | tail -n 1)
grep -qx "Измерений	${summary[7]}" "$work/span.txt" ||
    fail "the copied count is not the series' ${summary[7]}: $(head -n 1 "$work/span.txt")"
grep -q "^Среднее	${summary[9]} Бк/м³ " "$work/span.txt" ||
    fail "the copied average is not the series' ${summary[9]}: $(grep Среднее "$work/span.txt")"
shot span

step="Escape clears the span"
xdotool key --clearmodifiers Escape
panel_gone() { [ -z "$(window_named "Выделенный участок")" ]; }
poll 30 panel_gone || fail "Escape left the panel «Выделенный участок» open"

step="close the viewer started with a file"
wmctrl -i -c "$main"
poll 30 bash -c "! kill -0 $viewer_pid 2>/dev/null" || fail "the viewer did not end when its window was closed"

step="with LANG=en_US.UTF-8 the viewer speaks English"
# The user's language chooses the texts: LANG alone decides once LC_ALL and LANGUAGE are out of the way.
env -u LC_ALL -u LANGUAGE LANG=en_US.UTF-8 QT_QPA_PLATFORM=xcb "$viewer" "$work/one.rad" >"$work/viewer.log" 2>&1 &
viewer_pid=$!
pids+=("$viewer_pid")
poll 60 window_named "Data visualisation" ||
    fail "no window titled «Data visualisation» appeared; viewer output: $(cat "$work/viewer.log")"
main="$(window_named "Data visualisation")"
read -r width height < <(geometry "$main")
corner
poll 30 white_plot || { viewer_alive; fail "the English window does not show the series"; }
shot english
wmctrl -i -c "$main"
poll 30 bash -c "! kill -0 $viewer_pid 2>/dev/null" || fail "the viewer did not end when its window was closed"

step="start a 1366 x 768 screen"
exec 3>"$work/display2"
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp >"$work/xvfb2.log" 2>&1 &
pids+=($!)
exec 3>&-
poll 30 test -s "$work/display2" || fail "the second Xvfb did not start: $(cat "$work/xvfb2.log")"
export DISPLAY=":$(head -n 1 "$work/display2")"
XDG_CONFIG_HOME="$work/config" openbox --sm-disable >"$work/openbox2.log" 2>&1 &
pids+=($!)
poll 30 wmctrl -m || fail "openbox did not take the second screen: $(cat "$work/openbox2.log")"

step="at 150 % the whole window is on the screen, status bar included"
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1.5 "$viewer" "$work/one.rad" >"$work/viewer.log" 2>&1 &
viewer_pid=$!
pids+=("$viewer_pid")
poll 60 window_named "Визуализация данных" || fail "no main window appeared; viewer output: $(cat "$work/viewer.log")"
main="$(window_named "Визуализация данных")"
on_screen() {
    local l t r b
    read -r l t r b < <(frame_place "$main")
    [ "$l" -ge 0 ] && [ "$t" -ge 0 ] && [ "$r" -le 1366 ] && [ "$b" -le 768 ]
}
poll 30 on_screen || fail "the window with its frame is at $(frame_place "$main"), beyond the 1366 x 768 screen"
echo "scaled window: $(place "$main") (frame $(frame_place "$main"))"
shot scaled
wmctrl -i -r "$main" -b add,maximized_vert,maximized_horz
big() { read -r w h < <(geometry "$main"); [ "$w" -ge 1300 ]; }
poll 30 big || fail "the scaled window did not maximise: $(geometry "$main")"
poll 30 on_screen || fail "the maximised window is at $(frame_place "$main"), its status bar below the screen"
echo "scaled and maximised: $(place "$main")"
shot scaled-maximised
wmctrl -i -c "$main"
poll 30 bash -c "! kill -0 $viewer_pid 2>/dev/null" || fail "the viewer did not end when its window was closed"
echo "desktop check passed"
