# cmake --install over an older install: every file the program reads from its folder is the new
# one, even where the old file's time matches the new one's (CMake skips such files as up to
# date), nothing the new version does not ship stays behind, and an old real binary in bin/
# becomes the link.
source "$(dirname "$0")/lib.sh"

root="$work/root"
program_dir="$root/usr/lib/tandera-patch"
data="$(dirname "$0")/../../data"
install_into "$root"

# The older install: other reference data and another program, with the new files' times; a
# catalogue this version no longer ships; the program itself in bin/.
for file in tblkemasan.dat tblpelabuhan.dat; do
    printf 'ZZ;Data lama\r\n' >"$program_dir/$file"
    touch -r "$data/$file" "$program_dir/$file"
done
cp "$program_dir/tandera-patch" "$work/program"
printf 'old program' >"$program_dir/tandera-patch"
touch -r "$work/program" "$program_dir/tandera-patch"
printf 'old catalogue' >"$program_dir/tandera-patch_jv.qm"
rm "$root/usr/bin/tandera-patch"
printf 'old program' >"$root/usr/bin/tandera-patch"

install_into "$root"
for file in tblkemasan.dat tblpelabuhan.dat; do
    cmp -s "$data/$file" "$program_dir/$file" || fail "lib/tandera-patch/$file is the old one"
done
cmp -s "$work/program" "$program_dir/tandera-patch" || fail "lib/tandera-patch/tandera-patch is the old one"
[ ! -e "$program_dir/tandera-patch_jv.qm" ] || fail "the old catalogue is still there"
check_bin_link "$root"
echo "PASS ($case_name)"
