# The menu entry as desktops read it: desktop-file-validate reports nothing.
source "$(dirname "$0")/lib.sh"
require_tool desktop-file-validate

root="$work/root"
extract_package "$root"
output=$(desktop-file-validate "$root/usr/share/applications/$app_id.desktop" 2>&1) \
    || fail "desktop-file-validate: $output"
[ -z "$output" ] || fail "desktop-file-validate: $output"
echo "PASS ($case_name)"
