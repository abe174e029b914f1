# What a Debian archive checks on every upload: no lintian error or warning on the package (the
# one warning the data files' Windows-1252 text earns is overridden in the package, with why).
source "$(dirname "$0")/lib.sh"
require_tool lintian

deb=$(package_file)
[ -f "$deb" ] || fail "no package $deb"
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 \
    || fail "lintian: $(grep -v 'running with root privileges' "$work/lintian.log")"
echo "PASS ($case_name)"
