# cmake --install over an older install: the shipped data files are the new ones, even where the
# old file's time matches the new one's (CMake skips such files as up to date), the program's
# folder holds the new program alone, and an old real binary in bin/ becomes the link.
source "$(dirname "$0")/lib.sh"

root="$work/root"
program_dir="$root/usr/lib/tandera-patch"
data_dir="$root/usr/share/tandera-patch"
data="$(dirname "$0")/../../data"
install_into "$root"

# The older install: other reference data with the new files' times; another program with
# 1.0.0's data files and catalogue folder beside it; the program itself in bin/.
for file in tblkemasan.dat tblpelabuhan.dat; do
    printf 'ZZ;Data lama\r\n' >"$data_dir/$file"
    touch -r "$data/$file" "$data_dir/$file"
    cp "$data_dir/$file" "$program_dir/$file"
done
cp "$program_dir/tandera-patch" "$work/program"
printf 'old program' >"$program_dir/tandera-patch"
touch -r "$work/program" "$program_dir/tandera-patch"
mkdir "$program_dir/translations"
rm "$root/usr/bin/tandera-patch"
printf 'old program' >"$root/usr/bin/tandera-patch"

install_into "$root"
for file in tblkemasan.dat tblpelabuhan.dat; do
    cmp -s "$data/$file" "$data_dir/$file" || fail "share/tandera-patch/$file is the old one"
done
cmp -s "$work/program" "$program_dir/tandera-patch" || fail "lib/tandera-patch/tandera-patch is the old one"
[ "$(ls -A "$program_dir")" = tandera-patch ] || fail "lib/tandera-patch holds $(ls -A "$program_dir")"
check_bin_link "$root"
echo "PASS ($case_name)"
