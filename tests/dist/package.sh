# Makes the Debian package (cpack -G DEB) for the package cases that follow, and checks that a
# second one of the same build is the same bytes.
source "$(dirname "$0")/lib.sh"

rm -rf "$package_dir"
mkdir -p "$package_dir"
(cd "$build_dir" && cpack -G DEB -B "$package_dir") >"$work/cpack.log" 2>&1 \
    || fail "cpack failed: $(cat "$work/cpack.log")"
[ -f "$(package_file)" ] || fail "cpack made no $(package_file): $(ls "$package_dir")"
# Made again a second later, it is the same bytes.
sleep 1
(cd "$build_dir" && cpack -G DEB -B "$work/again") >"$work/cpack.log" 2>&1 || fail "cpack failed again"
cmp "$(package_file)" "$work/again/$(basename "$(package_file)")" || fail "a second package differs"
echo "PASS ($case_name)"
