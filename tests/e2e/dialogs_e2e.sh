#!/usr/bin/env bash
# The private notes from the keyboard on a real X server: Alt+I answered
# Yes, the key 3 on a row without a note shows "(3)" on it, Alt+E writes the
# note's text, and Alt+L saves the listing through the save dialog, which
# holds what vantrel-tool export writes for the same installation. Each step
# leaves a screenshot in SHOT_DIRECTORY.
#   dialogs_e2e.sh VANTREL VANTREL_TOOL PANE_CHECK SHOT_DIRECTORY
set -uo pipefail
vantrel=$1 tool=$2 pane_check=$3 shots=$4
. "$(dirname "$0")/e2e_session.sh"
e2e_require Xvfb xdotool import
e2e_start_xvfb
e2e_install_demo "$tool"
e2e_start_vantrel "$vantrel" "$install"
mkdir -p "$shots"
shoot() { sleep 1; import -window root "$shots/$1.png" || fail "no screenshot"; }
note_reads() { [ "$(cat "$note" 2>/dev/null)" = "$1" ]; }

shoot dialogs-normal
top=$("$pane_check" "$shots/dialogs-normal.png" normal | sed -n 's/^slide *[0-9]*, *\([0-9]*\) .*/\1/p')
[ -n "$top" ] || fail "no view top in the screenshot"

# The second record in time order, which the demo leaves without a note.
record=$(cd "$install" && "$tool" list | sed -n '2p' | cut -f3)
note="$install/records/$record/PrivateNote.txt"
[ -n "$record" ] && [ ! -e "$note" ] || fail "the second record is not one without a note"

e2e_main_key alt+i
e2e_dialog Vantrel
shoot dialogs-mode-question
xdotool key alt+y
e2e_wait_for "the mode question did not close" e2e_closed Vantrel
row_y=$(e2e_row_y "$top" 1)
row() { import -window root -crop "300x12+0+$((row_y - 4))" -depth 8 "rgb:$1" || fail "no screenshot"; }
# Left of its icon a row is only its background, white until it is selected.
selected() { ! import -window root -crop "1x1+3+$row_y" -depth 8 txt:- | grep -q "#FFFFFF"; }
xdotool mousemove 60 "$row_y" click 1
e2e_wait_for "the clicked row is not shown selected" selected
row "$work/row.before"
e2e_main_key 3
e2e_wait_for "the key 3 did not write the code 3" note_reads 3
shoot dialogs-marked
row "$work/row.after"
cmp -s "$work/row.before" "$work/row.after" && fail "the row did not change with its mark"

e2e_main_key alt+e
e2e_dialog "Private Note"
xdotool key Tab
xdotool type "seen twice"
shoot dialogs-private-note
xdotool key Return
e2e_wait_for "Alt+E did not write the note" note_reads "3 seen twice"

e2e_main_key alt+l
e2e_dialog "Save As"
xdotool type listing
shoot dialogs-save-listing
xdotool key Return
e2e_wait_for "Alt+L wrote no listing.txt" test -e "$install/listing.txt"
(cd "$install" && "$tool" export "$work/tool-listing.txt") || fail "vantrel-tool export failed"
cmp "$install/listing.txt" "$work/tool-listing.txt" || fail "the saved listing differs from vantrel-tool export"
grep -q "$(printf '\t3\tseen twice$')" "$install/listing.txt" || fail "the listing lacks the note"
echo "PASS"
