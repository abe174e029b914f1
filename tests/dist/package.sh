# Makes the Debian package once (cpack -G DEB) for the package cases that follow.
source "$(dirname "$0")/lib.sh"

rm -rf "$package_dir"
mkdir -p "$package_dir"
(cd "$build_dir" && cpack -G DEB -B "$package_dir") >"$work/cpack.log" 2>&1 \
    || fail "cpack failed: $(cat "$work/cpack.log")"
[ -f "$(package_file)" ] || fail "cpack made no $(package_file): $(ls "$package_dir")"
echo "PASS ($case_name)"
