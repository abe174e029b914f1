# The error report in the operator's language: the same failing reload under an Indonesian and
# an English locale, each report kept as a screenshot. Under the Indonesian locale the file
# dialog is kept too: Qt's widget dialog, with Qt's words in English (Debian ships no Indonesian
# catalogue of Qt's) unless a desktop theme offers its own dialog.
source "$(dirname "$0")/lib.sh"

# The program reads its data files and its catalogues from its own folder: run a copy there.
mkdir "$work/program"
cp "$program" "$work/program/"
copy="$work/program/$(basename "$program")"
mkdir "$work/program/translations"
cp "$(dirname "$program")"/translations/*.qm "$work/program/translations/"
cp "$(dirname "$program")/tblpelabuhan.dat" "$work/program/"
printf 'AA;Satu\r\ntanpa pemisah\r\n' >"$work/program/tblkemasan.dat"

start_x

# Runs the failing reload under locale $1, saving the report as error-report-$2.png.
failing_run() {
    local database="$work/$2/Kolvarin.mdb"
    mkdir "$work/$2"
    "$makedemo" "$database"
    local old_rows
    old_rows=$(sqlite3 "$database" 'select * from Tblkemasan order by 1')

    LC_ALL=$1 LANGUAGE= start_program "$copy"
    local dialog
    dialog=$(wait_window Patch 30) || fail "the settings dialog did not appear ($1)"
    if [ "$2" = id ]; then
        # Tab from the path box to "...", which opens the file dialog.
        press "$dialog" Tab space
        local files
        # Qt's own dialog, titled with Qt's word for it.
        files=$(wait_window Open 30) || fail "no file dialog ($1)"
        sleep 0.5
        shot file-dialog-id
        press "$files" Escape
        wait_until 10 window_gone "$files" || fail "the file dialog stayed open"
        # Back from "..." to the path box.
        press "$dialog" shift+Tab
    fi
    type_text "$dialog" "$database"
    press "$dialog" Return
    local report
    report=$(wait_window Patch 60 "$dialog") || fail "no error report ($1)"
    sleep 0.5
    shot "error-report-$2"
    press "$report" Return
    wait_exit 30
    [ "$exit_status" != 0 ] || fail "the program ended with status 0 after an error ($1)"
    [ "$(sqlite3 "$database" 'select * from Tblkemasan order by 1')" = "$old_rows" ] \
        || fail "Tblkemasan lost its old rows ($1)"
}

failing_run id_ID.UTF-8 id
failing_run C en
echo "PASS ($case_name)"
