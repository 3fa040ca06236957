# What the end-to-end scripts share, sourced after `set -uo pipefail`: the
# check for the tools (a missing one skips), the run's own directory that is
# removed at the end with the programs it started, an X server on a free
# display, and vantrel started on an installation until its window shows.
skip=77
fail() { echo "FAIL: $*"; exit 1; }

e2e_require() {  # PROGRAM...
    for program in "$@"; do
        command -v "$program" >/dev/null || { echo "SKIP: $program is not installed"; exit $skip; }
    done
}

work=$(mktemp -d)
xvfb_pid="" app_pid="" window=""
e2e_cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap e2e_cleanup EXIT

# A display number nobody uses; Xvfb itself refuses a taken one, so try on.
# A display counts once a client gets an answer from it: on a busy machine its
# socket is there well before the server answers.
e2e_start_xvfb() {
    local display
    for display in $(seq 91 140); do
        [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ] && continue
        Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 100); do
            DISPLAY=":$display" xdotool getdisplaygeometry >/dev/null 2>&1 && break 2
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
        xvfb_pid=""
    done
    [ -n "$xvfb_pid" ] || fail "no X display could be started"
    export DISPLAY=":$display"
    echo "Xvfb on $DISPLAY"
}

# Writes the demo installation into the run's directory as $install.
e2e_install_demo() {  # VANTREL_TOOL
    install="$work/installation"
    "$1" demo "$install" >/dev/null || fail "the demo installation could not be written"
}

# Starts vantrel in the installation and waits for its main window, titled
# after the records directory; the recent-files list goes to the run's own home.
e2e_start_vantrel() {  # VANTREL INSTALLATION
    export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" QT_QPA_PLATFORM=xcb
    mkdir -p "$HOME"
    (cd "$2" && exec "$1") >"$work/vantrel.log" 2>&1 &
    app_pid=$!
    local title="$2/records/ - Orvane Vantrel Light Control"
    for _ in $(seq 100); do
        window=$(xdotool search --name "Orvane Vantrel Light Control" 2>/dev/null | head -1)
        [ -n "$window" ] && [ "$(xdotool getwindowname "$window")" = "$title" ] && break
        kill -0 "$app_pid" 2>/dev/null || fail "vantrel ended early: $(cat "$work/vantrel.log")"
        sleep 0.1
    done
    [ "$(xdotool getwindowname "$window")" = "$title" ] || fail "no window titled '$title'"
    xdotool windowfocus --sync "$window"
}

# The middle line of row ROW (from 0) of the records list, for a view whose
# top is TOP: below the playback pane (365), its frame, and the pane's button
# bar, rows of 18 lines.
e2e_row_y() {  # TOP ROW
    echo $(($1 + 365 + 1 + 22 + $2 * 18 + 9))
}

# Waits up to five seconds for a window of this exact title; prints its id.
e2e_wait_window() {  # TITLE
    local id
    for _ in $(seq 50); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Up to ten seconds for COMMAND to succeed; fails with WHAT otherwise.
e2e_wait_for() {  # WHAT COMMAND...
    local what=$1
    shift
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    fail "$what"
}

# Without a window manager the main window gets the keyboard back from a
# closed dialog only when it is given it.
e2e_main_key() { xdotool windowfocus --sync "$window"; xdotool key "$@"; }

# Waits for the dialog of this title and gives it the keyboard once it has settled.
e2e_dialog() {  # TITLE
    local id
    id=$(e2e_wait_window "$1") || fail "no window '$1'"
    xdotool windowfocus --sync "$id"
    sleep 0.5
}

e2e_closed() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
