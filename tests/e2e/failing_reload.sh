# A reload that fails part-way: the port file is long (so the progress window stays up long
# enough to be seen) and ends with a duplicate code. The program shows the error report and
# ends with a non-zero status; the port table keeps its old rows.
source "$(dirname "$0")/lib.sh"

# The program reads its data files from its own folder: run a copy beside altered ones.
mkdir "$work/program"
cp "$program" "$work/program/"
copy="$work/program/$(basename "$program")"
cp "$(dirname "$program")/tblkemasan.dat" "$work/program/"
# 200,000 distinct five-character codes (A0000 to T9999), then the first one again.
awk 'BEGIN { for (i = 0; i < 200000; i++)
                 printf "%c%04d;Pelabuhan nomor %d\r\n", 65 + int(i / 10000), i % 10000, i;
             printf "A0000;Kode ganda\r\n" }' >"$work/program/tblpelabuhan.dat"

database="$work/Kolvarin.mdb"
"$makedemo" "$database"
old_rows=$(sqlite3 "$database" 'select * from TblPelabuhan order by 1')

start_x
start_program "$copy"
dialog=$(wait_window Patch 30) || fail "the settings dialog did not appear"
type_text "$dialog" "$database"
press "$dialog" Return

box=$(wait_window Tandera 300) || fail "no message after the first reload"
press "$box" Return
progress=$(wait_window 'Proses Update' 60) || fail "the progress window did not appear"
shot progress

report=$(wait_window Patch 600 "$dialog") || fail "no error report"
shot error-report
press "$report" Return
wait_exit 30
[ "$exit_status" != 0 ] || fail "the program ended with status 0 after an error"

[ "$(count_rows "$database" Tblkemasan)" = 406 ] || fail "Tblkemasan was not reloaded"
[ "$(sqlite3 "$database" 'select * from TblPelabuhan order by 1')" = "$old_rows" ] \
    || fail "TblPelabuhan lost its old rows"
echo "PASS ($case_name)"
