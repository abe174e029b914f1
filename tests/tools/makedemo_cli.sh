# tandera-makedemo as a shell user meets it: help on -h/--help, options refused rather than taken
# as file names, and errors as plain sentences that name the path and say what is really there.
set -euo pipefail

makedemo=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

fail() {
    echo "FAIL (makedemo_cli): $*" >&2
    exit 1
}

# Runs the demo maker with the arguments given; sets status, and leaves its output in out and err.
run() {
    status=0
    "$makedemo" "$@" >out 2>err || status=$?
}

# An error: exit status 1, one line on stderr naming $1, no usage, no provider error number.
expect_error() {
    [ "$status" = 1 ] || fail "$2: exit status $status, not 1"
    [ ! -s out ] || fail "$2: wrote to stdout: $(cat out)"
    [ "$(wc -l <err)" = 1 ] || fail "$2: not one line: $(cat err)"
    grep -qF "$1" err || fail "$2: the message does not name $1: $(cat err)"
    ! grep -q 'usage' err || fail "$2: usage instead of an error: $(cat err)"
    ! grep -qE '[0-9]{3,}' err || fail "$2: a number in the message: $(cat err)"
}

for option in -h --help; do
    run "$option"
    [ "$status" = 0 ] || fail "$option: exit status $status"
    grep -q '^usage: tandera-makedemo' out || fail "$option: no usage on stdout: $(cat out)"
    [ ! -s err ] || fail "$option: wrote to stderr: $(cat err)"
done

for arguments in "-x" "--force" "-" "-f new.mdb" "new.mdb --help-me" "one.mdb two.mdb" ""; do
    # shellcheck disable=SC2086 # each case is a list of words
    run $arguments
    [ "$status" = 2 ] || fail "'$arguments': exit status $status, not 2"
    grep -q '^usage: tandera-makedemo' err || fail "'$arguments': no usage on stderr: $(cat err)"
    [ "$(ls -A)" = "$(printf 'err\nout')" ] || fail "'$arguments': made $(ls -A)"
done

# After "--" a name starting with '-' is a path.
run -- -demo.mdb
[ "$status" = 0 ] && [ -s ./-demo.mdb ] || fail "-- -demo.mdb: status $status: $(cat err)"
rm ./-demo.mdb

mkdir folder
run folder
expect_error folder "a folder"
! grep -q 'already exists' err || fail "a folder is said to exist already: $(cat err)"
[ -z "$(ls -A folder)" ] || fail "made $(ls -A folder) in the folder"

: >empty.mdb
run empty.mdb
expect_error empty.mdb "an empty file"
grep -q 'empty' err || fail "an empty file is not called empty: $(cat err)"
[ ! -s empty.mdb ] || fail "the empty file was written"

run missing/new.mdb
expect_error missing "a missing folder"
[ ! -e missing ] || fail "the missing folder was made"

run new.mdb
[ "$status" = 0 ] || fail "new.mdb: exit status $status: $(cat err)"
[ "$(sqlite3 new.mdb 'select count(*) from Tblkemasan')" = 3 ] || fail "no demo Tblkemasan"
[ "$(sqlite3 new.mdb 'select count(*) from TblPelabuhan')" = 3 ] || fail "no demo TblPelabuhan"
cp new.mdb before.mdb
run new.mdb
expect_error new.mdb "an existing database"
grep -q 'already exists' err || fail "an existing database: $(cat err)"
cmp -s before.mdb new.mdb || fail "the existing database was changed"
echo "PASS (makedemo_cli)"
