#!/usr/bin/env bash
# The program on a real X server: start it on the demo installation, play
# the general view with F5 and see its frame counter move, switch
# the display modes with F10, Esc and F9, check the pane rectangles in
# screenshots, pick a record in the list and confirm it, leave through
# File > Exit and check that both files were written again with what they held.
#   shell_e2e.sh VANTREL VANTREL_TOOL PANE_CHECK SHOT_DIRECTORY
set -uo pipefail
vantrel=$1 tool=$2 pane_check=$3 shots=$4
. "$(dirname "$0")/e2e_session.sh"
e2e_require Xvfb xdotool import
e2e_start_xvfb
e2e_install_demo "$tool"
settings="$install/VantrelControl.settings"
codenote="$install/VantrelControl.codenote"
"$tool" settings --settings "$settings" >"$work/settings.before"
"$tool" codenotes --codenotes "$codenote" >"$work/codenote.before"
touch -d '2001-01-01 00:00' "$settings" "$codenote"

e2e_start_vantrel "$vantrel" "$install"

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
row_y=$(e2e_row_y "$top" 5)
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
