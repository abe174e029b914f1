# cmake --install into a temporary root, run through its bin/ link: the catalogue inside the
# program; an administrator's data file in /usr/local/share/tandera-patch wins over the shipped
# one in share/, and an operator's in ~/.local/share/tandera-patch over both.
source "$(dirname "$0")/lib.sh"

root="$work/root"
install_into "$root"
check_bin_link "$root"
share="$(cd "$root/usr/share" && pwd)"
admin="$(cd "$root/usr" && pwd)/local/share"
binary="$root/usr/bin/tandera-patch"

# The catalogue is in force before the first window is made, whatever the folder holds: the
# browse button's accessible name, set when the dialog is made, under locale $1 and LANGUAGE $2.
check_browse_name() {
    : >"$work/names"
    LC_ALL=$1 LANGUAGE=$2 QT_QPA_PLATFORM=offscreen TANDERA_NAME_LOG="$work/names" \
        start_logged "$binary"
    wait_until 30 test -s "$work/names" && [ "$(head -n 1 "$work/names")" = "$3" ] \
        || fail "the browse button is named '$(head -n 1 "$work/names")' under $1, $2"
    kill "$app_pid"
}
check_browse_name id_ID.UTF-8 "" "Cari file database"
check_browse_name id_ID.UTF-8 en:id "Browse for the database file"

# Reloads a fresh demo database as the operator at $work/home; prints Tblkemasan's codes.
update_codes() {
    local database
    database=$(mktemp -d -p "$work")/Kolvarin.mdb
    "$makedemo" "$database"
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_DATA_HOME HOME="$work/home" \
        XDG_DATA_DIRS="$admin:$share" "$binary" --update "$database" >"$work/out" 2>&1 \
        || fail "--update failed: $(cat "$work/out")"
    sqlite3 "$database" 'select * from Tblkemasan order by 1' | cut -d '|' -f 1 | tr '\n' ' '
}
mkdir -p "$admin/tandera-patch" "$work/home/.local/share/tandera-patch"
printf 'A1;Administrator\r\nA2;Administrator\r\n' >"$admin/tandera-patch/tblkemasan.dat"
[ "$(update_codes)" = "A1 A2 " ] || fail "the administrator's file was not read: $(update_codes)"
printf 'O1;Operator\r\n' >"$work/home/.local/share/tandera-patch/tblkemasan.dat"
[ "$(update_codes)" = "O1 " ] || fail "the operator's file was not read: $(update_codes)"
echo "PASS ($case_name)"
