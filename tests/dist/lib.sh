# Shared by the cases of the installed program and its package: the end-to-end helpers, an
# install into a temporary root, and the README's run on an installed copy.
# A case sources this file with its arguments: the end-to-end cases' four (program, demo maker,
# artifacts folder, grabber), then the build folder, the message log library, the application id,
# the version and the package folder.

source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"

build_dir=$5
message_log=$6
app_id=$7
version=$8
package_dir=$9

# Installs the build under the prefix /usr into the folder $1, as a package would lay it out.
install_into() {
    DESTDIR=$1 cmake --install "$build_dir" --prefix /usr >"$work/install.log" 2>&1 \
        || fail "cmake --install failed: $(cat "$work/install.log")"
}

# Starts the binary $1 with every message box's text going to $work/messages, one per line.
start_logged() {
    : >"$work/messages"
    env LD_PRELOAD="$message_log" TANDERA_MESSAGE_LOG="$work/messages" "$1" \
        >"$work/program.log" 2>&1 &
    app_pid=$!
}

# Waits for a message box titled $1, then closes it; an error report (a second window titled
# Patch) instead ends the case at once with the report's text.
answer_box() {
    local box tries=3000
    while ((tries-- > 0)); do
        if box=$(visible_window "$1" "$dialog"); then
            break
        fi
        if visible_window Patch "$dialog" >/dev/null; then
            fail "an error report instead of $1: $(tail -n 1 "$work/messages")"
        fi
        sleep 0.1
    done
    [ -n "$box" ] || fail "no message box titled $1"
    press "$box" Return
    wait_until 10 window_gone "$box" || fail "the message box titled $1 stayed"
}

# Fails unless the menu entry $1 claims the dialog's window: on X11 desktops match a window to
# its entry by the StartupWMClass the entry names, which must be the window's WM_CLASS instance.
check_window_class() {
    local wanted
    wanted=$(sed -n 's/^StartupWMClass=//p' "$1")
    xprop -id "$dialog" WM_CLASS | grep -qF "= \"$wanted\"," \
        || fail "WM_CLASS $(xprop -id "$dialog" WM_CLASS) is not the menu entry's $wanted"
}

# The README's run on the installed binary $1 (through its bin/ link): a demo database, both
# completion messages, and afterwards one row per line of the shipped data files in share/,
# which the program finds through XDG_DATA_DIRS as it finds /usr/share's.
update_run() {
    local binary=$1 share data_dir database
    share="$(cd "$(dirname "$binary")/../share" && pwd)"
    data_dir="$share/tandera-patch"
    database=$(mktemp -d -p "$work")/Kolvarin.mdb
    "$makedemo" "$database"
    XDG_DATA_DIRS="$share" start_logged "$binary"
    dialog=$(wait_window Patch 30) || fail "the settings dialog did not appear"
    check_window_class "$(dirname "$binary")/../share/applications/$app_id.desktop"
    type_text "$dialog" "$database"
    press "$dialog" Return
    answer_box Tandera
    answer_box Tandera
    press "$dialog" Escape
    wait_exit 30
    [ "$exit_status" = 0 ] || fail "exit status $exit_status: $(cat "$work/program.log")"
    [ "$(cat "$work/messages")" = "TblKemasan telah di Update
TblPelabuhan telah di Update" ] || fail "the messages were: $(cat "$work/messages")"
    [ "$(count_rows "$database" Tblkemasan)" = "$(grep -c '' "$data_dir/tblkemasan.dat")" ] \
        || fail "Tblkemasan has $(count_rows "$database" Tblkemasan) rows"
    [ "$(count_rows "$database" TblPelabuhan)" = "$(grep -c '' "$data_dir/tblpelabuhan.dat")" ] \
        || fail "TblPelabuhan has $(count_rows "$database" TblPelabuhan) rows"
}

# Fails unless $1/usr/bin/tandera-patch is a relative link to the program in lib/.
check_bin_link() {
    local link="$1/usr/bin/tandera-patch"
    [ -L "$link" ] || fail "$link is not a symbolic link"
    [ "$(readlink "$link")" = ../lib/tandera-patch/tandera-patch ] \
        || fail "$link points to $(readlink "$link")"
}

# The package the fixture case "package" made.
package_file() {
    echo "$package_dir/tandera-patch_${version}_$(dpkg --print-architecture).deb"
}

# Extracts the package into the folder $1, as dpkg would unpack it.
extract_package() {
    local deb
    deb=$(package_file)
    [ -f "$deb" ] || fail "no package $deb"
    dpkg-deb -x "$deb" "$1" || fail "dpkg-deb -x $deb failed"
}

# Ends the case as skipped (ctest's SKIP_RETURN_CODE) when the command $1 is not installed.
require_tool() {
    if ! command -v "$1" >/dev/null; then
        echo "SKIP ($case_name): $1 is not installed"
        exit 77
    fi
}
