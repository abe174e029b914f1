# What a Debian archive checks on every upload: no lintian error or warning on the package (the
# one warning the data files' Windows-1252 text earns is overridden in the package, with why), and
# no sign of a program built without hardening.
source "$(dirname "$0")/lib.sh"
require_tool lintian

deb=$(package_file)
[ -f "$deb" ] || fail "no package $deb"
lintian -I --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 \
    || fail "lintian: $(grep -v 'running with root privileges' "$work/lintian.log")"
# Only informational, but the program is built with the distribution's hardening flags.
! grep hardening-no- "$work/lintian.log" || fail "the program is not hardened"
echo "PASS ($case_name)"
