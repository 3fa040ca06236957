#!/usr/bin/env bash
# A whole review on a real X server, as an officer does it: the third record
# picked, its general view played and stopped, the middle lane's second frame
# at 200 % dragged about, night colours, gamma and emboss, the display range
# narrowed, the site named, the record confirmed, the next one rejected and
# the first decision taken back, two records marked in private-notes mode,
# the listing written, a subpoena printed to PDF from the preview, and the
# program left. Each step is checked on the screen and on the disk, and
# leaves a screenshot in SHOT_DIRECTORY.
#   review_e2e.sh VANTREL VANTREL_TOOL PANE_CHECK SHOT_DIRECTORY
set -uo pipefail
vantrel=$1 tool=$2 pane_check=$3 shots=$4
. "$(dirname "$0")/e2e_session.sh"
e2e_require Xvfb xdotool import convert pdfinfo
e2e_start_xvfb
e2e_install_demo "$tool"
records="$install/records"
settings="$install/VantrelControl.settings"
codenote="$install/VantrelControl.codenote"
e2e_start_vantrel "$vantrel" "$install"
mkdir -p "$shots"

step=0
shoot() { step=$((step + 1)); import -window root "$shots/review-$(printf %02d $step)-$1.png" || fail "no screenshot"; }
vtool() { (cd "$install" && "$tool" "$@"); }

# Rectangles of the screen as raw pixels, to compare two moments; a region is
# named by a function that prints its crop geometry.
grab() { import -window root -crop "$("$1")" -depth 8 "rgb:$2" || fail "no screenshot"; }
differs() { grab "$1" "$work/$1.now"; ! cmp -s "$2" "$work/$1.now"; }
# Waits for REGION to differ from what it was when `before REGION` ran.
before() { grab "$1" "$work/$1.before"; }
changes() {  # REGION WHAT
    e2e_wait_for "$2" differs "$1" "$work/$1.before"
    sleep 0.3  # what is still painting
}

# The first paint, once the panes show in their places.
laid_out() { import -window root "$work/start.png" && "$pane_check" "$work/start.png" normal >/dev/null; }
e2e_wait_for "the panes are not where they belong" laid_out
top=$("$pane_check" "$work/start.png" normal | awk '$1 == "slide" { print $3 }')
pane_x=450 pane_bottom=$((1024 - 170))
counter() { echo "30x18+417+$((top + 344))"; }
site_bar() { echo "420x22+26+$((top + 1))"; }
caption() { echo "700x22+$((pane_x + 30))+$((top + 1))"; }
picture() { echo "600x400+$((pane_x + 100))+$((top + 100))"; }
list_rows() { echo "300x$((12 * 18))+0+$(e2e_row_y "$top" 0)"; }
row_y() { e2e_row_y "$top" "$1"; }
selected() {  # ROW: left of its icon a row is only its background, white until selected
    ! import -window root -crop "1x1+3+$(row_y "$1")" -depth 8 txt:- | grep -q "#FFFFFF"
}
pick_row() {  # ROW
    xdotool mousemove 60 "$(row_y "$1")" click 1
    e2e_wait_for "row $1 is not shown selected" selected "$1"
}
decide() {  # BUTTON: 0 Confirm, 1 Reject in the records pane's bar
    xdotool mousemove $((85 * ($1 + 1) + 40)) $((top + 365 + 1 + 11)) click 1
}
# The path of a record directory wherever the decisions have put it.
where() { find "$records" -maxdepth 2 -type d -name "$1" | sed "s|^$records/||"; }

# The third record in time order, unprocessed in the demo, and the next one.
third=$(vtool list | sed -n 3p | cut -f3)
fourth=$(vtool list | sed -n 4p | cut -f3)
[ "$(where "$third")" = "$third" ] && [ "$(where "$fourth")" = "$fourth" ] ||
    fail "the third and fourth records are not both unprocessed"
mac=$(vtool record "records/$third" | awk -F '\t' '$1 == "mac" { print $2 }')

# 1. The third record: its row is shown selected, the general view and the
# detailed caption are of another record than the first.
before caption
before site_bar
pick_row 2
changes caption "picking the third record left the detailed caption as it was"
shoot third-record

# 2. F5 plays the general view from its start: its frame counter moves; Shift+F5
# stops it there.
before counter
e2e_main_key F5
changes counter "F5 did not move the general view's frame counter"
grab counter "$work/counter.before"
changes counter "the general view did not play on"
e2e_main_key shift+F5
sleep 0.3
grab counter "$work/counter.paused"
sleep 1.5
differs counter "$work/counter.paused" && fail "the frame counter moved on after Shift+F5"
shoot playback-stopped

# 3. The lane carries over from the first record, which has no left-lane
# frames: the third one comes up on the middle lane. Away to the left lane and
# back to the middle one's tab shows the caption it came up with; then the
# second thumbnail changes it. The tabs are 105 wide, the cells 140 under them.
lane_tab() { xdotool mousemove $((pane_x + 105 * $1 + 52)) $((pane_bottom + 11)) click 1; }
grab caption "$work/caption.first"
before caption
lane_tab 0
changes caption "the left lane's tab left the caption as it was"
lane_tab 1
e2e_wait_for "the middle lane's tab did not show its first frame again" eval '! differs caption "$work/caption.first"'
before caption
xdotool mousemove $((pane_x + 2 + 144 + 70)) $((pane_bottom + 22 + 4 + 70)) click 1
changes caption "the second thumbnail left the caption as it was"
shoot middle-lane-second-frame

# 4. 200 % from the picture's menu (its seventh entry), then the picture
# dragged up and left: both move what the view shows.
detailed_menu() {  # ENTRY: the context menu's entry, counted from 1 over the separators
    xdotool mousemove 800 400 click 3
    sleep 0.5
    xdotool key --delay 30 $(printf 'Down %.0s' $(seq "$1")) Return
}
before picture
detailed_menu 7
changes picture "200 % left the picture as it was"
shoot zoom-200
before picture
xdotool mousemove 1100 700 mousedown 1
for x in 1000 900 800 700; do xdotool mousemove "$x" $((x - 400)); sleep 0.05; done
xdotool mouseup 1
changes picture "dragging the picture did not scroll it"
shoot picture-dragged

# 5. Night colour correction (Ctrl+N), gamma (the menu's twelfth entry) and
# emboss (its sixteenth): each repaints the picture differently.
before picture
e2e_main_key ctrl+n
changes picture "Ctrl+N left the picture as it was"
shoot night
before picture
detailed_menu 12
changes picture "gamma correction left the picture as it was"
shoot gamma
before picture
detailed_menu 16
changes picture "emboss left the picture as it was"
shoot emboss

# 6. The display range's lower handle, found as the first face-coloured pixel
# under the bar's band from the bottom, dragged up: a narrower range.
bar_x=$((pane_x + 12)) bar_top=$((top + 58 + 2)) bar_bottom=$((pane_bottom - 3))
convert "$shots/review-$(printf %02d $step)-emboss.png" -crop "1x$((bar_bottom - bar_top + 1))+$bar_x+$bar_top" \
    -depth 8 txt:- | awk 'NR > 1 { sub(/:.*/, "", $1); split($1, p, ","); print p[2], $3 }' >"$work/bar.txt"
band=$(awk -v mid=$(((bar_bottom - bar_top) / 2)) '$1 == mid { print $2 }' "$work/bar.txt")
handle_y=$(awk -v band="$band" '$2 == band { y = $1 } END { print y }' "$work/bar.txt")
[ -n "$handle_y" ] || fail "no band in the display-range bar"
handle_y=$((bar_top + handle_y + 10))
before picture
xdotool mousemove "$bar_x" "$handle_y" mousedown 1
for n in 1 2 3 4 5; do xdotool mousemove "$bar_x" $((handle_y - 40 * n)); sleep 0.1; done
xdotool mouseup 1
changes picture "dragging the display range left the picture as it was"
shoot range-dragged

# 7. General view > Information names the record's site; the site bar over
# the general view shows the new name.
site="Quay Road / Mill Lane, westbound"
before site_bar
e2e_main_key alt+g
sleep 0.5
xdotool key i
e2e_dialog Information
xdotool key ctrl+a
xdotool type "$site"
shoot information
xdotool key Return
e2e_wait_for "the Information dialog did not close" e2e_closed Information
changes site_bar "the site bar did not change with the site's name"
shoot site-named

# 8. Confirm: the directory moves into the confirmed one, and the row shows it.
files=$(ls "$records/$third")
before list_rows
decide 0
e2e_wait_for "Confirm did not move $third" test "$(where "$third")" = "!CONFIRMED/$third"
changes list_rows "the confirmed row looks as before"
shoot confirmed

# 9. Reject on the next row: its directory goes into the rejected one.
pick_row 3
before list_rows
decide 1
e2e_wait_for "Reject did not move $fourth" test "$(where "$fourth")" = "!REJECTED/$fourth"
changes list_rows "the rejected row looks as before"
[ "$(where "$third")" = "!CONFIRMED/$third" ] || fail "the rejection moved the confirmed record"
shoot rejected

# 10. Confirm again on the confirmed record takes the decision back.
pick_row 2
before list_rows
decide 0
e2e_wait_for "Confirm on a confirmed record did not bring $third back" test "$(where "$third")" = "$third"
changes list_rows "the restored row looks as confirmed"
[ "$(ls "$records/$third")" = "$files" ] || fail "files of $third were lost on the way there and back"
shoot decision-taken-back

# 11. Private notes (Alt+I, Yes): the list gains the notes' order; the first
# two rows marked with the keys 4 and 7, the code 7 then described through
# Alt+E and its "..." button.
e2e_main_key alt+i
e2e_dialog Vantrel
xdotool key alt+y
e2e_wait_for "the private-notes question did not close" e2e_closed Vantrel
sleep 0.5
note_of() { cat "$records/$(where "$(vtool list --notes | sed -n "$1p" | cut -f3)")/PrivateNote.txt" 2>/dev/null; }
text_of() { note_of "$1" | sed 's/^-*[0-9]* *//'; }
text1=$(text_of 1) text2=$(text_of 2)
marked1=$(vtool list --notes | sed -n 1p | cut -f3) marked2=$(vtool list --notes | sed -n 2p | cut -f3)
note_is() { [ "$(note_of "$1")" = "$2" ]; }
before list_rows
pick_row 0
e2e_main_key 4
e2e_wait_for "the key 4 did not write code 4 on the first row" note_is 1 "4${text1:+ $text1}"
pick_row 1
e2e_main_key 7
e2e_wait_for "the key 7 did not write code 7 on the second row" note_is 2 "7${text2:+ $text2}"
changes list_rows "the marked rows look as before"
shoot marked
described="Stopped past the line, no crossing"
e2e_main_key alt+e
e2e_dialog "Private Note"
xdotool key Tab Tab Tab space
e2e_dialog "Code description"
xdotool key ctrl+a
xdotool type "$described"
shoot code-description
xdotool key Return
e2e_wait_for "the code description did not close" e2e_closed "Code description"
e2e_dialog "Private Note"
xdotool key Return
e2e_wait_for "the private note did not close" e2e_closed "Private Note"
note_is 2 "7${text2:+ $text2}" || fail "the private note changed: $(note_of 2)"

# 12. Alt+L writes the listing with both marks; the legend holds the new
# description, which reaches the code-note file only at exit, so the listing
# is held against vantrel-tool export's after the program has ended.
e2e_main_key alt+l
e2e_dialog "Save As"
xdotool type listing
shoot save-listing
xdotool key Return
e2e_wait_for "Alt+L wrote no listing.txt" test -s "$install/listing.txt"
listed_code() { awk -F '\t' -v name="$1" '$2 == name { print $4 }' "$install/listing.txt"; }
[ "$(listed_code "$marked1")" = 4 ] && [ "$(listed_code "$marked2")" = 7 ] ||
    fail "the listing lacks the marks: $(cat "$install/listing.txt")"

# 13. Ctrl+P: the subpoena in the preview; its print button (the toolbar's
# last) to the PDF printer writes one page.
pdf="$work/subpoena.pdf"
e2e_main_key ctrl+p
e2e_dialog "Print Preview"
shoot print-preview
xdotool mousemove 647 19 click 1
e2e_dialog Print
xdotool key --delay 50 alt+f ctrl+a
xdotool type "$pdf"
xdotool key Return
e2e_wait_for "the print dialog wrote no PDF" test -s "$pdf"
e2e_wait_for "the PDF was not finished" pdfinfo "$pdf" >/dev/null 2>&1
info=$(pdfinfo "$pdf")
grep -q "^Pages: *1$" <<<"$info" && grep -q "Page size:.*(A4)" <<<"$info" || fail "the subpoena is not one A4 page: $info"
sleep 0.5
shoot printed
preview=$(xdotool search --onlyvisible --name "^Print Preview\$" 2>/dev/null | head -1)
if [ -n "$preview" ]; then
    xdotool windowfocus --sync "$preview"
    xdotool key Escape
    e2e_wait_for "the print preview did not close" e2e_closed "Print Preview"
fi

# 14. File > Exit: the program ends cleanly and writes the settings with the
# site's new name and the code notes with the new description.
e2e_main_key alt+f
sleep 0.5
xdotool key x
e2e_wait_for "File > Exit did not end the program" eval '! kill -0 "$app_pid" 2>/dev/null'
wait "$app_pid"
code=$?
app_pid=""
[ "$code" -eq 0 ] || fail "vantrel exited with $code: $(cat "$work/vantrel.log")"
vtool settings --settings "$settings" | grep -qxF "$(printf 'site\t%s\t%s' "$mac" "$site")" ||
    fail "the settings lack the site's new name: $(vtool settings --settings "$settings")"
vtool codenotes --codenotes "$codenote" | grep -qxF "$(printf 'code\t7\t%s' "$described")" ||
    fail "the code notes lack code 7: $(vtool codenotes --codenotes "$codenote")"
vtool codenotes --codenotes "$codenote" | grep -q "^code	1	" || fail "the code notes lost code 1"
vtool export "$work/tool-listing.txt" || fail "vantrel-tool export failed"
diff "$install/listing.txt" "$work/tool-listing.txt" || fail "the listing differs from vantrel-tool export"
grep -qF "$described" "$install/listing.txt" || fail "the listing's legend lacks the new description"
echo "PASS"
