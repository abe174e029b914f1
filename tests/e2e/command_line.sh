# The command line without a display: help and version, misuse, the start without a display, and
# --update succeeding and failing with the window's texts on the standard streams.
source "$(dirname "$0")/lib.sh"

# Runs the program without a display, failing unless it ends with status $1.
expect_status() {
    local status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C LANGUAGE= "$program" "${@:2}" \
        >"$work/out" 2>"$work/err" || status=$?
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
expect_status 1
[ "$(wc -l <"$work/err")" = 1 ] && grep -q -- '--update' "$work/err" \
    || fail "without a display: $(cat "$work/err")"
database="$work/Kolvarin.mdb"
"$makedemo" "$database"
expect_status 0 --update "$database"
[ "$(cat "$work/out")" = "TblKemasan telah di Update
TblPelabuhan telah di Update" ] && [ ! -s "$work/err" ] || fail "the run printed: $(cat "$work/out" "$work/err")"
expect_status 1 --update "$work/other.mdb"
[ "$(cat "$work/err")" = "Database Kolvarin.mdb Tidak Ada
Hubungi Administrator anda !" ] && [ ! -s "$work/out" ] || fail "name check: $(cat "$work/err")"

# A copy of the program, in a folder whose name is no valid UTF-8, with bad packaging data.
copy=$'copy\xff'
mkdir "$work/$copy"
cp "$program" "$work/$copy/"
printf 'AA;Satu\r\ntanpa pemisah\r\n' >"$work/$copy/tblkemasan.dat"
program="$work/$copy/$(basename "$program")" expect_status 1 --update "$database"
grep -q "^Run-time error '5':" "$work/err" && grep -q 'tblkemasan.dat, line 2' "$work/err" \
    && grep -q 'Table Tblkemasan was left exactly as it was' "$work/err" && [ ! -s "$work/out" ] \
    || fail "the failed reload printed: $(cat "$work/out" "$work/err")"
# A preview gives the update's verdict, in the update's words.
head -n 2 "$work/err" >"$work/update-err"
program="$work/$copy/$(basename "$program")" expect_status 1 --preview "$database"
[ "$(head -n 2 "$work/err")" = "$(cat "$work/update-err")" ] && grep -q 'Nothing was written' "$work/err" \
    || fail "the preview of the failing reload printed: $(cat "$work/err")"
echo "PASS ($case_name)"
