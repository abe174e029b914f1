# The README's run: type the demo database's path, Enter, two messages, Esc. The program ends
# with status 0 and the database holds one row per data line.
source "$(dirname "$0")/lib.sh"

data_dir=$(dirname "$program")
database="$work/Kolvarin.mdb"
"$makedemo" "$database"
[ "$(count_rows "$database" TblPelabuhan)" = 3 ] || fail "the demo database has no old rows"

start_x
start_program
dialog=$(wait_window Patch 30) || fail "the settings dialog did not appear"
shot dialog

type_text "$dialog" "$database"
press "$dialog" Return

first=$(wait_window Tandera 300) || fail "no message after the first reload"
press "$first" Return
wait_until 10 window_gone "$first" || fail "the first message stayed"
second=$(wait_window Tandera 300) || fail "no message after the second reload"
press "$second" Return
wait_until 10 window_gone "$second" || fail "the second message stayed"

press "$dialog" Escape
wait_exit 30
[ "$exit_status" = 0 ] || fail "exit status $exit_status: $(cat "$work/program.log")"

expected_kemasan=$(grep -c '' "$data_dir/tblkemasan.dat")
expected_pelabuhan=$(grep -c '' "$data_dir/tblpelabuhan.dat")
[ "$(count_rows "$database" Tblkemasan)" = "$expected_kemasan" ] || fail "Tblkemasan has $(count_rows "$database" Tblkemasan) rows, not $expected_kemasan"
[ "$(count_rows "$database" TblPelabuhan)" = "$expected_pelabuhan" ] || fail "TblPelabuhan has $(count_rows "$database" TblPelabuhan) rows, not $expected_pelabuhan"
[ "$expected_kemasan" = 406 ] && [ "$expected_pelabuhan" = 60000 ] || fail "unexpected shipped data files"
echo "PASS ($case_name)"
