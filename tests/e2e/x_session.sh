# Sourced by the end-to-end checks: a private X server, the demo installation
# and the program started on it, and their cleanup when the check ends.
# After x_session_start the caller has $work (a scratch directory removed at
# exit), $install (the demo installation), $DISPLAY and $app_pid.
#   x_session_start VANTREL VANTREL_TOOL
skip=77

fail() { echo "FAIL: $*"; exit 1; }

for program in Xvfb xdotool import; do
    command -v "$program" >/dev/null || { echo "SKIP: $program is not installed"; exit $skip; }
done

work=$(mktemp -d)
xvfb_pid="" app_pid=""
x_session_cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap x_session_cleanup EXIT

# A display number nobody uses; Xvfb itself refuses a taken one, so try on.
x_session_start_xvfb() {
    local display
    for display in $(seq 91 140); do
        [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ] && continue
        Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$display" ] && break
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        if [ -e "/tmp/.X11-unix/X$display" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
            export DISPLAY=":$display"
            echo "Xvfb on $DISPLAY"
            return 0
        fi
        xvfb_pid=""
    done
    fail "no X display could be started"
}

# Starts the program in the installation and waits for its main window.
x_session_start_vantrel() {  # VANTREL
    # The recent-files list goes to the run's own home.
    export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" QT_QPA_PLATFORM=xcb
    mkdir -p "$HOME"
    (cd "$install" && exec "$1") >"$work/vantrel.log" 2>&1 &
    app_pid=$!
    local title="$install/records/ - Orvane Vantrel Light Control" window=""
    for _ in $(seq 100); do
        window=$(xdotool search --name "Orvane Vantrel Light Control" 2>/dev/null | head -1)
        [ -n "$window" ] && [ "$(xdotool getwindowname "$window")" = "$title" ] && break
        kill -0 "$app_pid" 2>/dev/null || fail "vantrel ended early: $(cat "$work/vantrel.log")"
        sleep 0.1
    done
    [ "$(xdotool getwindowname "$window")" = "$title" ] || fail "no window titled '$title'"
    xdotool windowfocus --sync "$window"
}

x_session_start() {  # VANTREL VANTREL_TOOL
    x_session_start_xvfb
    install="$work/installation"
    "$2" demo "$install" >/dev/null || fail "the demo installation could not be written"
}
