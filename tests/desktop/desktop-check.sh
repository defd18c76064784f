#!/usr/bin/env bash
# The viewer as a user meets it on a Linux desktop: a real X11 window under a real window manager
# (openbox) on a virtual 1280 × 1024 screen (Xvfb). It opens a sample through the open dialog by typing
# its path, maximises the window with wmctrl and checks its new size, chooses a series in the series list
# with the keyboard, checks that the graph shows it, saves a screenshot of the screen, and restores the
# window to its design size. Then it starts the viewer as a file manager does, `radview FILE` with a file
# of one series, and checks that the series is shown without the series list.
#   desktop-check.sh VIEWER SAMPLE SCREENSHOT.png ONE_SERIES_SAMPLE
# Exits 0 when every step passed, 1 with a message naming the step that failed, and 77 (ctest's "skipped")
# when a tool it needs is missing. It waits for windows by polling with a generous deadline, never by
# fixed pauses, so a slow machine only makes it slower.
set -euo pipefail

viewer="$1"
sample="$2"
screenshot="$3"
one_series="$4"

step="starting"
fail() {
    echo "desktop check FAILED at \"$step\": $*" >&2
    exit 1
}

missing=()
for tool in Xvfb openbox xdotool wmctrl xwininfo xprop import convert; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if [ "${#missing[@]}" -gt 0 ]; then
    echo "desktop check skipped: missing ${missing[*]} (packages xvfb openbox xdotool wmctrl x11-utils imagemagick)" >&2
    exit 77
fi
[ -x "$viewer" ] || fail "no viewer at $viewer"
[ -f "$sample" ] || fail "no sample at $sample"
[ -f "$one_series" ] || fail "no sample at $one_series"

work="$(mktemp -d)"
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

step="open the sample through the open dialog"
# The open button is the toolbar's first, under the menu bar.
xdotool mousemove --window "$main" 16 41 click 1
poll 30 window_named "Открыть" || { viewer_alive; fail "no dialog titled «Открыть» appeared"; }
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
mkdir -p "$(dirname "$screenshot")"
import -window root "$screenshot" || fail "could not save $screenshot"
echo "screenshot: $screenshot"

step="restore the main window"
wmctrl -i -r "$main" -b remove,maximized_vert,maximized_horz
design() { read -r w h < <(geometry "$main"); [ "$w" -eq 707 ] && [ "$h" -eq "$design_height" ]; }
poll 30 design || fail "the restored window is $(geometry "$main"), not 707 $design_height"

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

step="close the viewer started with a file"
wmctrl -i -c "$main"
poll 30 bash -c "! kill -0 $viewer_pid 2>/dev/null" || fail "the viewer did not end when its window was closed"
echo "desktop check passed"
