#!/usr/bin/env bash
# The detailed view and the thumbnails on a real X server: a click on the
# second thumbnail shows frame 2 in the caption, a drag of the display-range
# bar's lower handle changes the picture, Ctrl+W (fit) takes the scroll bars
# away and Ctrl+1 (100 %) brings them back. Then, for the eye, the picture at
# 200 % dragged to its bottom-right corner, and in night colours with emboss.
#   image_views_e2e.sh VANTREL VANTREL_TOOL PANE_CHECK SHOT_DIRECTORY
set -uo pipefail
vantrel=$1 tool=$2 pane_check=$3 shots=$4
. "$(dirname "$0")/e2e_session.sh"
e2e_require Xvfb xdotool import convert
e2e_start_xvfb
e2e_install_demo "$tool"
e2e_start_vantrel "$vantrel" "$install"
mkdir -p "$shots"
shoot() { sleep 1; import -window root "$shots/$1.png" || fail "no screenshot"; }
# The pixels of a rectangle of the screen, to compare two moments.
grab() {  # FILE WIDTH HEIGHT X Y
    import -window root -crop "$2x$3+$4+$5" -depth 8 "rgb:$1" || fail "no screenshot"
}
changed() { ! cmp -s "$1" "$2"; }

shoot images-normal
top=$("$pane_check" "$shots/images-normal.png" normal | awk '$1 == "slide" { print $3 }')
[ -n "$top" ] || fail "no main view in the first screenshot"
# The detailed pane right of the 450-pixel column, above the thumbnails.
pane_x=450 pane_bottom=$((1024 - 170))
caption() { grab "$1" 700 22 $((pane_x + 30)) "$((top + 1))"; }
picture() { grab "$1" 600 400 $((pane_x + 100)) $((top + 100)); }
# The bottom and right edges of the picture view, where its scroll bars go.
view_edges() {
    grab "$1.bottom" 780 14 $((pane_x + 26)) $((pane_bottom - 16))
    grab "$1.right" 14 600 $((1280 - 16)) $((top + 30))
    cat "$1.bottom" "$1.right" >"$1"
}

# The thumbnails: cells of 140 under the lane tabs; the second one's middle.
caption "$work/caption.before"
xdotool mousemove $((pane_x + 4 + 142 + 70)) $((pane_bottom + 22 + 4 + 70)) click 1
sleep 1
caption "$work/caption.after"
changed "$work/caption.before" "$work/caption.after" || fail "a click on the second thumbnail left the caption as it was"
shoot images-second-thumbnail

# The lower handle of the range bar: the first face-coloured pixel under the
# band, searched upwards along the bar's middle from its bottom.
bar_x=$((pane_x + 12)) bar_top=$((top + 58 + 2)) bar_bottom=$((pane_bottom - 3))
band=$(convert "$shots/images-second-thumbnail.png" -format "%[pixel:p{$bar_x,$(((bar_top + bar_bottom) / 2))}]" info:)
handle_y=""
for y in $(seq "$bar_bottom" -1 "$bar_top"); do
    colour=$(convert "$shots/images-second-thumbnail.png" -format "%[pixel:p{$bar_x,$y}]" info:)
    if [ "$colour" = "$band" ]; then
        handle_y=$((y + 10))
        break
    fi
done
[ -n "$handle_y" ] || fail "no band in the dynamic-range bar"
picture "$work/picture.before"
xdotool mousemove "$bar_x" "$handle_y" mousedown 1
for step in 1 2 3 4 5; do xdotool mousemove "$bar_x" $((handle_y - 40 * step)); sleep 0.1; done
xdotool mouseup 1
sleep 1
picture "$work/picture.after"
changed "$work/picture.before" "$work/picture.after" || fail "dragging the lower handle left the picture as it was"
shoot images-range-dragged

# The picture starts at 100 %, larger than the view: scroll bars. Fit to
# window takes them away and 100 % brings them back.
view_edges "$work/edges.100"
xdotool key ctrl+w
sleep 1
view_edges "$work/edges.fit"
shoot images-fit
xdotool key ctrl+1
sleep 1
view_edges "$work/edges.100.again"
changed "$work/edges.100" "$work/edges.fit" || fail "fit to window left the scroll bars"
cmp -s "$work/edges.100" "$work/edges.100.again" || fail "100 % did not bring the scroll bars back"

# 200 % from the context menu (its eighth entry), the picture dragged until
# its bottom-right corner shows.
xdotool mousemove 800 400 click 3
sleep 0.5
xdotool key Down Down Down Down Down Down Down Return
sleep 0.5
for _ in 1 2 3; do
    xdotool mousemove 1250 800 mousedown 1
    for x in 1100 900 700 500; do xdotool mousemove "$x" $((800 - (1250 - x))); sleep 0.05; done
    xdotool mouseup 1
done
shoot images-200-corner

# Night colours with emboss, at fit.
xdotool key ctrl+w ctrl+n
sleep 0.5
xdotool mousemove 800 400 click 3
sleep 0.5
xdotool key Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Return
shoot images-night-emboss
echo "PASS"
