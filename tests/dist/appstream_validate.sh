# The software centre's data: appstreamcli validate --no-net passes with no remark at any level.
source "$(dirname "$0")/lib.sh"
require_tool appstreamcli

root="$work/root"
extract_package "$root"
output=$(appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$app_id.metainfo.xml" 2>&1) \
    || fail "appstreamcli: $output"
[ "$(grep -vc '^$' <<<"$output")" = 1 ] && grep -qF 'Validation was successful.' <<<"$output" \
    || fail "appstreamcli: $output"
echo "PASS ($case_name)"
