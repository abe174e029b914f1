# dpkg upgrades 1.0.0 (program and data files in lib/tandera-patch/) to this package in a private
# root. A data file an administrator changed there moves to /usr/local/share/tandera-patch/, and
# dpkg's output says so; one whose name is taken there already goes beside it as .dpkg-old; an
# unchanged one goes with 1.0.0.
source "$(dirname "$0")/lib.sh"

root="$work/root"
old="$work/old"
admin="$root/usr/local/share/tandera-patch"
data="$(dirname "$0")/../../data"
mkdir -p "$old/DEBIAN" "$old/usr/lib/tandera-patch" "$root/var/lib/dpkg/updates" "$admin"
cp "$data"/*.dat "$old/usr/lib/tandera-patch/"
printf '#!/bin/sh\n' >"$old/usr/lib/tandera-patch/tandera-patch"
chmod 755 "$old/usr/lib/tandera-patch/tandera-patch"
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
printf 'A1;Administrator\r\n' >"$root/usr/lib/tandera-patch/tblkemasan.dat"
printf 'P1;Administrator\r\n' >"$root/usr/lib/tandera-patch/tblpelabuhan.dat"
printf 'P0;Already there\r\n' >"$admin/tblpelabuhan.dat"
cp "$root/usr/lib/tandera-patch/"*.dat "$work/"
in_root "$(package_file)"
sed 's/^/dpkg: /' "$work/dpkg.log"

cmp -s "$work/tblkemasan.dat" "$admin/tblkemasan.dat" || fail "the changed tblkemasan.dat was not moved"
cmp -s "$work/tblpelabuhan.dat" "$admin/tblpelabuhan.dat.dpkg-old" \
    && [ "$(cat "$admin/tblpelabuhan.dat")" = $'P0;Already there\r' ] \
    || fail "tblpelabuhan.dat: $(ls -A "$admin")"
grep -q "moved the changed .*/tblkemasan.dat to .*/usr/local/share/tandera-patch/tblkemasan.dat" \
    "$work/dpkg.log" || fail "dpkg's output does not say so"
[ "$(ls -A "$root/usr/lib/tandera-patch")" = tandera-patch ] \
    || fail "lib/tandera-patch holds $(ls -A "$root/usr/lib/tandera-patch")"
[ -f "$root/usr/share/tandera-patch/tblkemasan.dat" ] || fail "the shipped files are missing"
echo "PASS ($case_name)"
