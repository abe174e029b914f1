# Shared by the end-to-end cases: a private X server, the program under test, bounded waits.
# A case sources this file with its arguments: program, demo maker, artifacts folder, grabber.

set -euo pipefail

program=$1
makedemo=$2
artifacts=$3
grabscreen=$4
case_name=$(basename "$0" .sh)

work=$(mktemp -d)
mkdir -p "$artifacts"
rm -f "$artifacts/$case_name"-*.png
xvfb_pid=
app_pid=

cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL ($case_name): $*" >&2
    [ -e "$work/program.log" ] && sed 's/^/program: /' "$work/program.log" >&2
    shot "failure" || true
    exit 1
}

# Polls a command every tenth of a second until it succeeds, for at most $1 seconds.
wait_until() {
    local seconds=$1
    shift
    local tries=$((seconds * 10))
    while ((tries-- > 0)); do
        if "$@"; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Starts Xvfb on the first free display; it writes the number once it accepts clients. Without
# -noreset it resets whenever its last client leaves, and a client connecting meanwhile (the
# program, while an xdotool poll ends) is refused.
start_x() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    wait_until 20 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(cat "$work/display")"
    # As a desktop session starts it: the program tries the display itself.
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}

# Starts the program (the binary given, default the one under test) in the background.
start_program() {
    local binary=${1:-$program}
    "$binary" >"$work/program.log" 2>&1 &
    app_pid=$!
}

# The id of the one visible window whose title is exactly $1 (and is not $2), or nothing.
visible_window() {
    local id
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
        if [ "$id" != "${2:-}" ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# Waits for a visible window titled $1 (other than $3) for at most $2 seconds; prints its id.
# Call it as id=$(wait_window ...) || fail ...
wait_window() {
    local tries=$(($2 * 10))
    while ((tries-- > 0)); do
        if visible_window "$1" "${3:-}"; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}

window_gone() {
    ! xdotool search --onlyvisible --name '.*' 2>/dev/null | grep -qx "$1"
}

# Gives the window the keyboard (there is no window manager to do it) and presses keys.
press() {
    local window=$1
    shift
    xdotool windowfocus --sync "$window"
    xdotool key --clearmodifiers "$@"
}

type_text() {
    xdotool windowfocus --sync "$1"
    xdotool type --delay 5 --clearmodifiers "$2"
}

# Saves the screen as artifacts/<case>-<name>.png.
shot() {
    "$grabscreen" "$artifacts/$case_name-$1.png"
}

program_ended() {
    ! kill -0 "$app_pid" 2>/dev/null
}

# Waits for the program to end, for at most $1 seconds, and sets exit_status.
wait_exit() {
    wait_until "$1" program_ended || fail "the program is still running after $1 s"
    exit_status=0
    wait "$app_pid" || exit_status=$?
    app_pid=
}

count_rows() {
    sqlite3 "$1" "select count(*) from $2"
}
