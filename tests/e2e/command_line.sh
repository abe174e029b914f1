# The command line without a display: help and version, misuse, the start without a display or
# with one nobody can reach, output nobody can take, and --update succeeding and failing with the
# window's texts on the standard streams.
source "$(dirname "$0")/lib.sh"

# Runs the program without a display, with the assignments in the array `with` added to its
# environment, failing unless it ends with status $1.
with=()
expect_status() {
    local status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C LANGUAGE= "${with[@]}" \
        "$program" "${@:2}" >"$work/out" 2>"$work/err" || status=$?
    [ "$status" = "$1" ] || fail "${*:2} ended with $status, not $1: $(cat "$work/err")"
}
expect_status 0 --help
grep -q -- '--update PATH' "$work/out" && [ ! -s "$work/err" ] || fail "--help: $(cat "$work/out")"
expect_status 0 --version
grep -qx 'tandera-patch [0-9]*\.[0-9]*\.[0-9]*' "$work/out" || fail "--version: $(cat "$work/out")"
for misuse in --bogus "-platform offscreen" --update --update= "--help x" "--update a b" \
    --preview --history= "--undo a b" --undo; do
    # shellcheck disable=SC2086 # each case is its words
    expect_status 2 $misuse
    grep -q '^Usage:' "$work/err" && [ ! -s "$work/out" ] || fail "$misuse: $(cat "$work/err")"
done
# Nothing listens on that X display, nor at that Wayland socket.
for display in "" DISPLAY= DISPLAY=:4093 "WAYLAND_DISPLAY=gone-0 XDG_RUNTIME_DIR=$work"; do
    read -ra with <<<"$display"
    expect_status 1
    [ "$(wc -l <"$work/err")" = 1 ] && grep -q -- '--update' "$work/err" \
        || fail "without a display ($display): $(cat "$work/err")"
done
with=()
database="$work/Kolvarin.mdb"
"$makedemo" "$database"
expect_status 0 --update "$database"
[ "$(cat "$work/out")" = "TblKemasan telah di Update
TblPelabuhan telah di Update" ] && [ ! -s "$work/err" ] || fail "the run printed: $(cat "$work/out" "$work/err")"
# Output nobody can read ($1: a redirection; >&3 is a pipe whose reader has gone) ends with
# status 1 and one line saying why ($2), and never stops an update half way.
written_to() {
    sqlite3 "$database" 'delete from Tblkemasan; delete from TblPelabuhan'
    local status
    status=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C LANGUAGE= \
        bash -c "exec 3> >(:); wait \$!; \"\$@\" $1; echo \$?" sh "$program" "${@:3}" 2>"$work/err")
    [ "$status $(cat "$work/err")" = "1 tandera-patch: write error: $2" ] \
        || fail "${*:3} $1 ended with $status: $(cat "$work/err")"
    [ "$3" != --update ] || [ "$(count_rows "$database" Tblkemasan) $(count_rows \
        "$database" TblPelabuhan)" = "406 60000" ] || fail "${*:3} $1 did not reload both tables"
}
written_to '>/dev/full' 'No space left on device' --help
written_to '>&-' 'Bad file descriptor' --version
written_to '>&3' 'Broken pipe' --update "$database"
written_to '>&-' 'Bad file descriptor' --update "$database"
written_to '>/dev/full' 'No space left on device' --update "$database"
expect_status 1 --update "$work/other.mdb"
[ "$(cat "$work/err")" = "Database Kolvarin.mdb Tidak Ada
Hubungi Administrator anda !" ] && [ ! -s "$work/out" ] || fail "name check: $(cat "$work/err")"

# A copy of the program, in a folder whose name is no valid UTF-8 and whose path is longer than
# 256 bytes, with bad packaging data.
copy=$(printf %0250d 0)/$'copy\xff'
mkdir -p "$work/$copy"
cp "$program" "$work/$copy/"
printf 'AA;Satu\r\ntanpa pemisah\r\n' >"$work/$copy/tblkemasan.dat"
program="$work/$copy/$(basename "$program")" expect_status 1 --update "$database"
grep -q "^Run-time error '5':" "$work/err" && grep -q 'tblkemasan.dat, line 2' "$work/err" \
    && grep -q 'Table Tblkemasan was left exactly as it was' "$work/err" && [ ! -s "$work/out" ] \
    || fail "the failed reload printed: $(cat "$work/out" "$work/err")"
# A preview gives the update's verdict, in the update's words.
head -n 3 "$work/err" >"$work/update-err"
program="$work/$copy/$(basename "$program")" expect_status 1 --preview "$database"
[ "$(head -n 3 "$work/err")" = "$(cat "$work/update-err")" ] && grep -q 'Nothing was written' "$work/err" \
    || fail "the preview of the failing reload printed: $(cat "$work/err")"
# A folder there in a data file's place is still the entry used, not the operator's file.
rm "$work/$copy/tblkemasan.dat" && mkdir -p "$work/$copy/tblkemasan.dat" "$work/xdg/tandera-patch"
echo 'AA;Satu' >"$work/xdg/tandera-patch/tblkemasan.dat"
with=(XDG_DATA_HOME="$work/xdg")
program="$work/$copy/$(basename "$program")" expect_status 1 --update "$database"
grep -q "^Run-time error '53':" "$work/err" && grep -q "copy.*/tblkemasan.dat'" "$work/err" \
    || fail "a folder in the program's folder: $(cat "$work/out" "$work/err")"
# On a terminal, the progress shows the share of the data file read: from 0 within each table,
# never going down, where the window's bar wraps whenever it is full.
rmdir "$work/$copy/tblkemasan.dat" && echo 'AA;Satu' >"$work/$copy/tblkemasan.dat"
awk 'BEGIN { for (i = 0; i < 500000; i++)
    printf "%c%c%03d;Pelabuhan\r\n", 65 + i / 26000, 65 + i / 1000 % 26, i % 1000 }' \
    >"$work/$copy/tblpelabuhan.dat"
# script(1) hands the command to $SHELL, and printf's quoting is bash's.
LC_ALL=C SHELL=$BASH script -qec \
    "$(printf '%q ' "$work/$copy/$(basename "$program")" --update "$database")" /dev/null \
    </dev/null >"$work/tty" || fail "the run on a terminal failed: $(tr '\r' '\n' <"$work/tty")"
tr '\r' '\n' <"$work/tty" >"$work/lines"
sed -n '/TblKemasan telah/,$ s/^Proses Update *\([0-9.]*\)%.*/\1/p' "$work/lines" >"$work/shares"
sort -n -c "$work/shares" && [ "$(head -1 "$work/shares")" = 0.0 ] \
    && [ "$(wc -l <"$work/shares")" -ge 3 ] || fail "progress on a terminal: $(cat "$work/lines")"
echo "PASS ($case_name)"
