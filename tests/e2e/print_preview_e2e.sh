#!/usr/bin/env bash
# A subpoena from the keyboard on a real X server: Ctrl+P opens the print
# preview over the main window with the subpoena page, its print button opens
# the print dialog on the platform's PDF printer, and the file written holds
# one A4 page with the captured window above the form. Each step leaves a
# screenshot in SHOT_DIRECTORY.
#   print_preview_e2e.sh VANTREL VANTREL_TOOL PANE_CHECK SHOT_DIRECTORY
set -uo pipefail
vantrel=$1 tool=$2 shots=$4
. "$(dirname "$0")/e2e_session.sh"
e2e_require Xvfb xdotool import convert pdfinfo pdftoppm
e2e_start_xvfb
e2e_install_demo "$tool"
e2e_start_vantrel "$vantrel" "$install"
mkdir -p "$shots"
shoot() { sleep 1; import -window root "$shots/$1.png" || fail "no screenshot"; }
pdf="$work/subpoena.pdf"

xdotool key ctrl+p
preview=$(e2e_wait_window "Print Preview") || fail "Ctrl+P opened no print preview"
xdotool windowfocus --sync "$preview"
shoot print-preview-subpoena

# The print button ends the toolbar, at the top of the preview that covers
# the main window.
xdotool mousemove 647 19 click 1
dialog=$(e2e_wait_window "Print") || fail "the print button opened no print dialog"
xdotool windowfocus --sync "$dialog"
sleep 0.5
shoot print-dialog
# The output file is the dialog's one editable line when it prints to PDF.
xdotool key --delay 50 alt+f ctrl+a
xdotool type "$pdf"
xdotool key Return
e2e_wait_for "the print dialog wrote no PDF file" test -s "$pdf"
sleep 1

info=$(pdfinfo "$pdf") || fail "the PDF cannot be read: $(cat "$work/vantrel.log")"
grep -q "^Pages: *1$" <<<"$info" || fail "the subpoena job is not one page: $info"
grep -q "Page size:.*(A4)" <<<"$info" || fail "the page is not A4: $info"
pdftoppm -png -r 30 "$pdf" "$work/page" || fail "the page cannot be rendered"
cp "$work/page-1.png" "$shots/print-subpoena-page.png"
# The capture's upper half holds the dark picture of the detailed view; the
# form's half below is mostly white paper.
dark() {  # X Y W H: the share of dark pixels in percent
    convert "$work/page-1.png" -crop "$3x$4+$1+$2" -colorspace Gray -threshold 50% -format "%[fx:round(100*(1-mean))]" info:
}
[ "$(dark 130 40 90 80)" -gt 10 ] || fail "no captured window in the top half of the page"
[ "$(dark 40 200 170 100)" -lt 10 ] || fail "the bottom half is not the light form"
echo "print preview e2e passed"
