#!/usr/bin/env bash
# `vantrel-tool print` on the demo installation, read back with poppler: the
# page count and A4 in both orientations, the texts of the records list and
# of a detailed page, and a detailed page's picture where the portrait layout
# puts it, with the left margin left white.
#   print_pdf_e2e.sh VANTREL_TOOL
set -uo pipefail
tool=$(realpath "$1")
. "$(dirname "$0")/e2e_session.sh"
e2e_require pdfinfo pdftotext pdftoppm convert
e2e_install_demo "$tool"
cd "$install" || fail "no installation"

# The first unprocessed record with frames in the left lane, and its site text.
record="" mac=""
while IFS=$'\t' read -r _ state name; do
    [ "$state" = 0 ] || continue
    details=$("$tool" record "records/$name") || fail "record $name could not be read"
    grep -q $'^caption\t1\t1\t' <<<"$details" || continue
    record=$name mac=$(awk -F'\t' '$1 == "mac" { print $2 }' <<<"$details")
    break
done < <("$tool" list)
[ -n "$record" ] || fail "the demo has no unprocessed record with left-lane frames"
site=$("$tool" settings | awk -F'\t' -v mac="$mac" '$1 == "site" && $2 == mac { print $3 }')
[ -n "$site" ] || site=$mac
echo "record '$record' of '$site'"

pages() { pdfinfo "$1" | awk '$1 == "Pages:" { print $2 }'; }
page_size() { pdfinfo "$1" | sed -n 's/^Page size: *//p'; }

# A detailed page (page 2, after the subpoena) then the records list.
out=$work/job.pdf
printed=$("$tool" print "$record" "$out" --subpoena --detailed left:1-1 --records-list) || fail "print failed"
# The demo's few records fit on one page of the list.
[ "$("$tool" list | wc -l)" -lt 60 ] || fail "the demo has too many records for one list page"
expected=3
[ "$printed" = "pages	$expected" ] || fail "printed '$printed', expected $expected pages"
[ "$(pages "$out")" = "$expected" ] || fail "the PDF has $(pages "$out") pages, not $expected"
[ "$(page_size "$out")" = "595 x 842 pts (A4)" ] || fail "not A4 portrait: $(page_size "$out")"
text=$(pdftotext "$out" -)
for wanted in "Records list" "$site" "Left lane, Frame 1, "; do
    grep -qF "$wanted" <<<"$text" || fail "no '$wanted' in the PDF's text"
done

# At 50 dots per inch a millimetre is 50 / 25.4 pixels.
pdftoppm -png -r 50 -f 2 -l 2 "$out" "$work/detailed" || fail "pdftoppm failed"
png=$(ls "$work"/detailed*.png)
px() { echo $(($1 * 50 * 10 / 254)); }
# The share of pixels that are not white in a rectangle given in millimetres.
not_white() {  # X Y WIDTH HEIGHT
    convert "$png" -crop "$(px "$3")x$(px "$4")+$(px "$1")+$(px "$2")" +repage -fuzz 2% \
        -fill black +opaque white -format '%[fx:1-mean]' info:
}
# The frame, turned to stand upright, fills the page right of the caption
# lines to its bottom; the 20 mm left margin stays white.
picture=$(not_white 60 120 130 160)
margin=$(not_white 0 0 15 297)
echo "picture area $picture not white, margin $margin"
awk -v p="$picture" 'BEGIN { exit !(p > 0.9) }' || fail "the picture area is mostly white ($picture)"
awk -v m="$margin" 'BEGIN { exit !(m == 0) }' || fail "the margin is not white ($margin)"

landscape=$work/landscape.pdf
"$tool" print "$record" "$landscape" --general all --landscape >/dev/null || fail "landscape print failed"
[ "$(page_size "$landscape")" = "842 x 595 pts (A4)" ] || fail "not A4 landscape: $(page_size "$landscape")"

# A file that cannot be written leaves nothing behind.
"$tool" print "$record" "$work/missing/job.pdf" --screen 2>/dev/null && fail "printed into a missing folder"
[ -e "$work/missing" ] && fail "a missing folder was made"
echo "PASS"
