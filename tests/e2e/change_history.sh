# Before and after an update, on one database, as an administrator meets them on the command
# line: a preview that writes nothing, the update, its history, an undo, a redo, an undo refused
# once a row was changed by hand, and system tables tampered with; the rows read with sqlite3.
source "$(dirname "$0")/lib.sh"

# Runs the program without a display, failing unless it ends with status $1.
expect_status() {
    local status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C LANGUAGE= "$program" "${@:2}" \
        >"$work/out" 2>"$work/err" || status=$?
    [ "$status" = "$1" ] || fail "${*:2} ended with $status, not $1: $(cat "$work/err")"
}
db="$work/Kolvarin.mdb"
rows() { sqlite3 "$db" "select * from Tblkemasan order by 1; select * from TblPelabuhan order by 1"; }
"$makedemo" "$db"
old=$(rows)

expect_status 0 --history "$db"
[ ! -s "$work/out" ] || fail "a database from before has a history: $(cat "$work/out")"

cp -p "$db" "$work/before.mdb"
expect_status 0 --preview "$db"
[ "$(head -n 1 "$work/out")" = "Tblkemasan: 3 rows now, 406 lines in tblkemasan.dat: 403 new, 0 gone, 3 changed, 0 unchanged" ] \
    && grep -qxF -e $'~\tBG\tBag (lama)\tBag' "$work/out" && grep -qxF -e $'-\tIDJKT\tJakarta (lama)' "$work/out" \
    || fail "the preview: $(head -n 3 "$work/out")"
LC_ALL=C awk -F '\t' '!/^[-+~]\t/ { last = "" } /^[-+~]\t/ { if ($2 < last) exit 1; last = $2 }' \
    "$work/out" || fail "the preview's lines of a table are out of code order"
cmp -s "$db" "$work/before.mdb" && [ "$(stat -c %Y "$db")" = "$(stat -c %Y "$work/before.mdb")" ] \
    && [ ! -e "$db-journal" ] || fail "the preview wrote to the database"

expect_status 0 --update "$db"
new=$(rows)
cp "$db" "$work/updated.mdb"
expect_status 0 --history "$db"
data_file="$(dirname "$program")/tblpelabuhan.dat"
[ "$(wc -l <"$work/out")" = 2 ] \
    && head -n 1 "$work/out" | cut -f 2-5,7,8 | grep -qx \
        "TblPelabuhan	update	3	60000	$data_file	$(sha256sum <"$data_file" | cut -d ' ' -f 1)" \
    || fail "the history after the update: $(cat "$work/out")"

expect_status 0 --undo "$db"
[ "$(rows)" = "$old" ] || fail "the undo did not bring the old rows back"
expect_status 0 --undo "$db"
[ "$(rows)" = "$new" ] || fail "a second undo did not redo the update"
expect_status 0 --history "$db"
[ "$(cut -f 2,3 "$work/out" | tr '\n' ' ')" = "TblPelabuhan	undo Tblkemasan	undo TblPelabuhan	undo Tblkemasan	undo TblPelabuhan	update Tblkemasan	update " ] \
    || fail "the history after two undos: $(cat "$work/out")"

sqlite3 "$db" "update Tblkemasan set UREDI = 'by hand' where KDKEMAS = 'BG'"
expect_status 1 --undo "$db"
grep -q "Table Tblkemasan was left as it is: it no longer holds what" "$work/err" \
    && [ "$(sqlite3 "$db" "select UREDI from Tblkemasan where KDKEMAS = 'BG'")" = "by hand" ] \
    && [ "$(sqlite3 "$db" "select count(*) from TblPelabuhan")" = 3 ] \
    || fail "the undo after a change by hand: $(cat "$work/out" "$work/err")"

# Tampered with: refused with the reason, and nothing of the table changed.
tampered="$work/tampered/Kolvarin.mdb"
mkdir "$work/tampered"
for tamper in "alter table MSysHistory add column x TEXT" \
    "create unique index x on Tblkemasan(KDKEMAS <> '') where UREDI like '%lama%'"; do
    cp "$work/updated.mdb" "$tampered"
    sqlite3 "$tampered" "$tamper"
    kemasan=$(sqlite3 "$tampered" "select * from Tblkemasan order by 1")
    expect_status 1 --undo "$tampered"
    grep -q "'MSysHistory' in a shape\|refuses kept row 2 (code 'CT')" "$work/err" \
        && [ "$(sqlite3 "$tampered" "select * from Tblkemasan order by 1")" = "$kemasan" ] \
        || fail "$tamper: $(cat "$work/err")"
done
echo "PASS ($case_name)"
