#!/usr/bin/env bash
# The program on a real X server: start it on the demo installation, play
# the general view with F5 and see its frame counter move, switch
# the display modes with F10, Esc and F9, check the pane rectangles in
# screenshots, pick a record in the list and confirm it, leave through
# File > Exit and check that both files were written again with what they held.
#   shell_e2e.sh VANTREL VANTREL_TOOL PANE_CHECK SHOT_DIRECTORY
set -uo pipefail
vantrel=$1 tool=$2 pane_check=$3 shots=$4
skip=77

for program in Xvfb xdotool import; do
    command -v "$program" >/dev/null || { echo "SKIP: $program is not installed"; exit $skip; }
done

work=$(mktemp -d)
xvfb_pid="" app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# A display number nobody uses; Xvfb itself refuses a taken one, so try on.
for display in $(seq 91 140); do
    [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ] && continue
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    [ -e "/tmp/.X11-unix/X$display" ] && kill -0 "$xvfb_pid" 2>/dev/null && break
    xvfb_pid=""
done
[ -n "$xvfb_pid" ] || fail "no X display could be started"
export DISPLAY=":$display"
echo "Xvfb on $DISPLAY"

install="$work/installation"
"$tool" demo "$install" >/dev/null || fail "the demo installation could not be written"
settings="$install/VantrelControl.settings"
codenote="$install/VantrelControl.codenote"
"$tool" settings --settings "$settings" >"$work/settings.before"
"$tool" codenotes --codenotes "$codenote" >"$work/codenote.before"
touch -d '2001-01-01 00:00' "$settings" "$codenote"

# The recent-files list goes to the run's own home.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" QT_QPA_PLATFORM=xcb
mkdir -p "$HOME"
(cd "$install" && exec "$vantrel") >"$work/vantrel.log" 2>&1 &
app_pid=$!

title="$install/records/ - Orvane Vantrel Light Control"
window=""
for _ in $(seq 100); do
    window=$(xdotool search --name "Orvane Vantrel Light Control" 2>/dev/null | head -1)
    [ -n "$window" ] && [ "$(xdotool getwindowname "$window")" = "$title" ] && break
    kill -0 "$app_pid" 2>/dev/null || fail "vantrel ended early: $(cat "$work/vantrel.log")"
    sleep 0.1
done
[ "$(xdotool getwindowname "$window")" = "$title" ] || fail "no window titled '$title'"
xdotool windowfocus --sync "$window"

mkdir -p "$shots"
status=0
shoot() {  # NAME LAYOUT
    sleep 1
    import -window root "$shots/$1.png" || fail "no screenshot"
    echo "$1:"
    "$pane_check" "$shots/$1.png" "$2" || status=1
}
shoot normal normal

# The general view's frame counter, inside its bar at the right of the slide
# pane's bottom row, as raw pixels.
slide_top=$("$pane_check" "$shots/normal.png" normal | awk '$1 == "slide" { print $3 }')
counter() {  # FILE
    import -window root -crop "30x18+417+$((slide_top + 344))" -depth 8 "rgb:$1" || fail "no screenshot"
}
# Waits up to three seconds for the counter to differ from FILE.
counter_moves_from() {  # FILE
    for _ in $(seq 12); do
        counter "$work/counter.now"
        cmp -s "$1" "$work/counter.now" || return 0
        sleep 0.25
    done
    return 1
}
counter "$work/counter.before"
xdotool key F5
counter_moves_from "$work/counter.before" || fail "F5 did not rewind the general view"
cp "$work/counter.now" "$work/counter.restarted"
counter_moves_from "$work/counter.restarted" || fail "the general view did not play on within three seconds"
xdotool key shift+F5

xdotool key F10
shoot detailed-full-screen single
xdotool key Escape
shoot normal-again normal
xdotool key F9
shoot general-full-screen slide
xdotool key Escape

# The records list: a click makes another row current, and Confirm moves
# that record's directory into the confirmed one.
top=$("$pane_check" "$shots/normal.png" normal | sed -n 's/^slide *[0-9]*, *\([0-9]*\) .*/\1/p')
[ -n "$top" ] || fail "no view top in the normal screenshot"
records="$install/records"
confirmed() { ls "$records/!CONFIRMED" | sort; }
first=$(ls "$records" | grep -v '^!' | sort | head -1)
before=$(confirmed)
row_y=$((top + 365 + 1 + 22 + 5 * 18))
xdotool mousemove 60 "$row_y" click 1
sleep 1
import -window root "$shots/row-clicked.png" || fail "no screenshot"
# Left of the icon the row is only its background: the selection colour now.
colour=$(convert "$shots/row-clicked.png" -format "%[pixel:p{3,$row_y}]" info:)
[ "$colour" != "srgb(255,255,255)" ] && [ "$colour" != "white" ] || fail "the clicked row is not shown selected"
xdotool mousemove $((85 + 40)) $((top + 365 + 1 + 11)) click 1
sleep 1
moved=$(comm -13 <(echo "$before") <(confirmed))
[ -n "$moved" ] && [ "$(echo "$moved" | wc -l)" -eq 1 ] || fail "Confirm moved no record, or more than one"
[ "$moved" != "$first" ] || fail "the click left the first record current"
echo "confirmed $moved"

xdotool key alt+f
sleep 0.5
xdotool key x
for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "File > Exit did not end the program"
wait "$app_pid"
code=$?
app_pid=""
[ "$code" -eq 0 ] || fail "vantrel exited with $code: $(cat "$work/vantrel.log")"

for file in "$settings" "$codenote"; do
    [ "$(stat -c %Y "$file")" -gt "$(date -d '2001-01-02' +%s)" ] || fail "$file was not written at exit"
done
"$tool" settings --settings "$settings" | cmp -s - "$work/settings.before" || fail "the settings changed"
"$tool" codenotes --codenotes "$codenote" | cmp -s - "$work/codenote.before" || fail "the code notes changed"
[ "$status" -eq 0 ] || fail "a screenshot shows the panes in the wrong places"
echo "PASS"
