# cmake --install over an older install: a data file it shipped is the new one, even where the old
# file's time matches the new one's (CMake skips such files as up to date); one an administrator
# edited since stays, with the shipped one beside it as .dist, and the install says so. The
# program's folder holds the new program and the install's record, and an old real binary in bin/
# becomes the link.
source "$(dirname "$0")/lib.sh"

root="$work/root"
program_dir="$root/usr/lib/tandera-patch"
data_dir="$root/usr/share/tandera-patch"
data="$(dirname "$0")/../../data"
install_into "$root"

# The older install: other reference data with the new files' times, and its record of them;
# another program with 1.0.0's data files and catalogue folder beside it; the program itself in
# bin/. An administrator edited one data file since.
for file in tblkemasan.dat tblpelabuhan.dat; do
    printf 'ZZ;Data lama\r\n' >"$data_dir/$file"
    touch -r "$data/$file" "$data_dir/$file"
    cp "$data_dir/$file" "$program_dir/$file"
done
(cd "$data_dir" && md5sum tblkemasan.dat tblpelabuhan.dat) >"$program_dir/shipped-data.md5"
printf 'A1;Administrator\r\n' | tee "$work/edited" >"$data_dir/tblpelabuhan.dat"
cp "$program_dir/tandera-patch" "$work/program"
printf 'old program' >"$program_dir/tandera-patch"
touch -r "$work/program" "$program_dir/tandera-patch"
mkdir "$program_dir/translations"
rm "$root/usr/bin/tandera-patch"
printf 'old program' >"$root/usr/bin/tandera-patch"

install_into "$root"
cmp -s "$data/tblkemasan.dat" "$data_dir/tblkemasan.dat" || fail "share/tandera-patch/tblkemasan.dat is the old one"
cmp -s "$work/edited" "$data_dir/tblpelabuhan.dat" \
    && cmp -s "$data/tblpelabuhan.dat" "$data_dir/tblpelabuhan.dat.dist" \
    && grep -q "Kept the edited $data_dir/tblpelabuhan.dat; .* as tblpelabuhan.dat.dist" "$work/install.log" \
    || fail "the edited tblpelabuhan.dat was not kept: $(ls -l "$data_dir"; cat "$work/install.log")"
cmp -s "$work/program" "$program_dir/tandera-patch" || fail "lib/tandera-patch/tandera-patch is the old one"
[ "$(ls -A "$program_dir" | tr '\n' ' ')" = "shipped-data.md5 tandera-patch " ] \
    || fail "lib/tandera-patch holds $(ls -A "$program_dir")"
check_bin_link "$root"
echo "PASS ($case_name)"
