# cmake --install into a temporary root: the program runs through its bin/ link and finds its
# data files beside the real binary in lib/. With the data files removed, the operator gets the
# file-not-found report naming the full path, and the database keeps its rows.
source "$(dirname "$0")/lib.sh"

root="$work/root"
install_into "$root"
check_bin_link "$root"
for file in tandera-patch tblkemasan.dat tblpelabuhan.dat; do
    [ -f "$root/usr/lib/tandera-patch/$file" ] || fail "lib/tandera-patch/$file is missing"
done
[ ! -e "$root/usr/bin/tblkemasan.dat" ] || fail "a data file was installed beside the link"

start_x
update_run "$root/usr/bin/tandera-patch"

rm "$root/usr/lib/tandera-patch/tblkemasan.dat" "$root/usr/lib/tandera-patch/tblpelabuhan.dat"
files_before=$(ls -A "$root/usr/lib/tandera-patch")
database=$(mktemp -d -p "$work")/Kolvarin.mdb
"$makedemo" "$database"
before=$(sqlite3 "$database" 'select * from Tblkemasan order by 1; select * from TblPelabuhan order by 1')
start_logged "$root/usr/bin/tandera-patch"
dialog=$(wait_window Patch 30) || fail "the settings dialog did not appear"
type_text "$dialog" "$database"
press "$dialog" Return
report=$(wait_window Patch 60 "$dialog") || fail "no error report"
shot missing-data-file
press "$report" Return
wait_exit 30
[ "$exit_status" != 0 ] || fail "the program ended with status 0 after an error"

missing="$(readlink -f "$root")/usr/lib/tandera-patch/tblkemasan.dat"
grep -qF "'53'" "$work/messages" && grep -qF "'$missing'" "$work/messages" \
    || fail "the report does not give error 53 with $missing: $(cat "$work/messages")"
[ "$(sqlite3 "$database" 'select * from Tblkemasan order by 1; select * from TblPelabuhan order by 1')" = "$before" ] \
    || fail "the database changed"
[ "$(ls -A "$root/usr/lib/tandera-patch")" = "$files_before" ] \
    || fail "the program wrote into its folder: $(ls -A "$root/usr/lib/tandera-patch")"
echo "PASS ($case_name)"
