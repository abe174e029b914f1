# dpkg upgrades 1.0.0 (program and data files in lib/tandera-patch/) to this package in a private
# root. Every entry at a data file's name there but an unchanged file moves to
# /usr/local/share/tandera-patch/, never over any entry (a dangling link included), a link as a
# link to where it led, and dpkg's output names each move; an unchanged file goes with 1.0.0.
source "$(dirname "$0")/lib.sh"

old="$work/old"
data="$(dirname "$0")/../../data"
mkdir -p "$old/DEBIAN" "$old/usr/lib/tandera-patch"
cp "$data"/*.dat "$old/usr/lib/tandera-patch/"
install -m 755 /dev/null "$old/usr/lib/tandera-patch/tandera-patch"
printf 'Package: tandera-patch\nVersion: 1.0.0\nArchitecture: %s\nMaintainer: %s\nDescription: 1.0.0\n' \
    "$(dpkg --print-architecture)" "$(dpkg-deb -f "$(package_file)" Maintainer)" >"$old/DEBIAN/control"
(cd "$old" && find usr -type f -exec md5sum {} +) >"$old/DEBIAN/md5sums"
dpkg-deb --root-owner-group -b "$old" "$work/old.deb" >"$work/dpkg.log" || fail "no 1.0.0 package"

in_root() {
    dpkg --root="$root" --force-script-chrootless --force-depends --log=/dev/null -i "$1" \
        >"$work/dpkg.log" 2>&1 || fail "dpkg -i $1: $(cat "$work/dpkg.log")"
}
# A fresh root $1 with 1.0.0 installed.
new_root() {
    root="$work/$1"
    admin="$root/usr/local/share/tandera-patch"
    lib="$root/usr/lib/tandera-patch"
    mkdir -p "$root/var/lib/dpkg/updates" "$admin" "$root/srv"
    touch "$root/var/lib/dpkg/status"
    in_root "$work/old.deb"
}
# Fails unless the upgrade moved lib/tandera-patch/$1 to the administrator's $2, and said so.
moved() {
    grep -q "tandera-patch: moved .*$lib/$1.* to $admin/$2, " "$work/dpkg.log" \
        || fail "dpkg's output does not name the move to $2: $(cat "$work/dpkg.log")"
    [ "$(ls -A "$lib")" = tandera-patch ] || fail "lib/tandera-patch holds $(ls -A "$lib")"
}

# A changed file whose own name and .dpkg-old are taken; a relative link to a changed file.
new_root taken
printf 'A1;Administrator\r\n' | tee "$work/changed" >"$lib/tblkemasan.dat"
mkdir "$admin/tblkemasan.dat"
ln -s /nowhere "$admin/tblkemasan.dat.dpkg-old"
printf 'P1;Pelabuhan\r\n' >"$root/srv/ports.dat"
ln -sf ../../../srv/ports.dat "$lib/tblpelabuhan.dat"
in_root "$(package_file)"
cmp -s "$work/changed" "$admin/tblkemasan.dat.dpkg-old.1" && [ -d "$admin/tblkemasan.dat" ] \
    && [ "$(readlink "$admin/tblkemasan.dat.dpkg-old")" = /nowhere ] \
    || fail "the administrator's folder holds $(ls -lA "$admin")"
[ "$(readlink "$admin/tblpelabuhan.dat")" = /srv/ports.dat ] \
    || fail "tblpelabuhan.dat links to $(readlink "$admin/tblpelabuhan.dat")"
moved tblkemasan.dat tblkemasan.dat.dpkg-old.1
moved tblpelabuhan.dat tblpelabuhan.dat

# A folder, which dpkg would leave in the program's folder, goes aside; an unchanged file goes.
new_root left
rm "$lib/tblkemasan.dat"
mkdir "$lib/tblkemasan.dat"
touch "$lib/tblkemasan.dat/kept"
in_root "$(package_file)"
[ "$(cd "$admin" && find . | sort | tr '\n' ' ')" = ". ./tblkemasan.dat.dpkg-old ./tblkemasan.dat.dpkg-old/kept " ] \
    || fail "the administrator's folder holds $(cd "$admin" && find .)"
moved tblkemasan.dat tblkemasan.dat.dpkg-old
echo "PASS ($case_name)"
