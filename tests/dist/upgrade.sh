# dpkg upgrades 1.0.0 (program and data files in lib/tandera-patch/) to this package in a private
# root. A data file an administrator changed there moves to /usr/local/share/tandera-patch/ (as
# .dpkg-old beside one already there), and dpkg's output says so; an unchanged one goes.
source "$(dirname "$0")/lib.sh"

root="$work/root"
old="$work/old"
admin="$root/usr/local/share/tandera-patch"
data="$(dirname "$0")/../../data"
mkdir -p "$old/DEBIAN" "$old/usr/lib/tandera-patch" "$root/var/lib/dpkg/updates" "$admin"
cp "$data"/*.dat "$old/usr/lib/tandera-patch/"
install -m 755 /dev/null "$old/usr/lib/tandera-patch/tandera-patch"
printf 'Package: tandera-patch\nVersion: 1.0.0\nArchitecture: %s\nMaintainer: %s\nDescription: 1.0.0\n' \
    "$(dpkg --print-architecture)" "$(dpkg-deb -f "$(package_file)" Maintainer)" >"$old/DEBIAN/control"
(cd "$old" && find usr -type f -exec md5sum {} +) >"$old/DEBIAN/md5sums"
dpkg-deb --root-owner-group -b "$old" "$work/old.deb" >"$work/dpkg.log" || fail "no 1.0.0 package"
touch "$root/var/lib/dpkg/status"

in_root() {
    dpkg --root="$root" --force-script-chrootless --force-depends --log=/dev/null -i "$1" \
        >"$work/dpkg.log" 2>&1 || fail "dpkg -i $1: $(cat "$work/dpkg.log")"
}
in_root "$work/old.deb"
printf 'A1;Administrator\r\n' | tee "$work/changed" >"$root/usr/lib/tandera-patch/tblkemasan.dat"
printf 'A0;Already there\r\n' | tee "$work/there" >"$admin/tblkemasan.dat"
in_root "$(package_file)"

cmp -s "$work/changed" "$admin/tblkemasan.dat.dpkg-old" && cmp -s "$work/there" "$admin/tblkemasan.dat" \
    && [ ! -e "$admin/tblpelabuhan.dat" ] || fail "the administrator's folder holds $(ls -A "$admin")"
grep -q "moved the changed .*/tblkemasan.dat to .*/usr/local/share/tandera-patch/tblkemasan.dat.dpkg-old" \
    "$work/dpkg.log" || fail "dpkg's output does not say so"
[ "$(ls -A "$root/usr/lib/tandera-patch")" = tandera-patch ] \
    || fail "lib/tandera-patch holds $(ls -A "$root/usr/lib/tandera-patch")"
echo "PASS ($case_name)"
