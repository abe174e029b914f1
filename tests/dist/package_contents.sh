# The package's files are the install layout under /usr, owned by root with a distribution's
# modes; its control fields carry the version, the computed Depends and no Homepage; the menu
# entry, icon and AppStream data carry one application id and the version.
source "$(dirname "$0")/lib.sh"

deb=$(package_file)
[ -f "$deb" ] || fail "no package $deb"

# Mode, owner and name of every file and link.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { line = $1 " " $2 " " $6; if ($7 == "->") line = line " -> " $8; print line }' \
    | sort >"$work/files"
sort >"$work/expected" <<EXPECTED
lrwxrwxrwx root/root ./usr/bin/tandera-patch -> ../lib/tandera-patch/tandera-patch
-rwxr-xr-x root/root ./usr/lib/tandera-patch/tandera-patch
-rw-r--r-- root/root ./usr/share/tandera-patch/tblkemasan.dat
-rw-r--r-- root/root ./usr/share/tandera-patch/tblpelabuhan.dat
-rw-r--r-- root/root ./usr/share/applications/$app_id.desktop
-rw-r--r-- root/root ./usr/share/icons/hicolor/16x16/apps/$app_id.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/32x32/apps/$app_id.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/48x48/apps/$app_id.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/256x256/apps/$app_id.png
-rw-r--r-- root/root ./usr/share/metainfo/$app_id.metainfo.xml
-rw-r--r-- root/root ./usr/share/man/man1/tandera-patch.1.gz
-rw-r--r-- root/root ./usr/share/doc/tandera-patch/copyright
-rw-r--r-- root/root ./usr/share/doc/tandera-patch/changelog.gz
-rw-r--r-- root/root ./usr/share/lintian/overrides/tandera-patch
EXPECTED
diff "$work/expected" "$work/files" >"$work/diff" || fail "file list differs (< expected, > package):
$(cat "$work/diff")"

field() {
    dpkg-deb -f "$deb" "$1"
}
[ "$(field Package)" = tandera-patch ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), not $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
[ -n "$(field Section)" ] || fail "no Section"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
[ "$(field Description | wc -l)" -ge 2 ] || fail "no extended Description"
[ -z "$(field Homepage)" ] || fail "Homepage: $(field Homepage)"
depends=$(field Depends)
# Versioned entries come from dpkg-shlibdeps; the platform plugins are needed to open a window.
for library in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libsqlite3-0 libstdc++6; do
    [[ ", $depends," == *", $library (>= "*")"* ]] || fail "Depends lacks $library (>= ...): $depends"
done
[[ ", $depends," == *", qt6-qpa-plugins,"* ]] || fail "Depends lacks qt6-qpa-plugins: $depends"

root="$work/root"
extract_package "$root"
for size in 16 32 48 256; do
    file "$root/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png" \
        | grep -qF "PNG image data, $size x $size," || fail "the $size pixel icon is not $size x $size"
done
desktop="$root/usr/share/applications/$app_id.desktop"
for line in Type=Application Name=Patch Exec=tandera-patch "Icon=$app_id" Terminal=false \
    'Categories=Office;Database;'; do
    grep -qxF "$line" "$desktop" || fail "the desktop entry lacks $line"
done
grep -q '^Comment=..*' "$desktop" || fail "the desktop entry has no comment"
metainfo="$root/usr/share/metainfo/$app_id.metainfo.xml"
for text in "<id>$app_id</id>" "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
    "<release version=\"$version\" date=\"" "<content_rating type=\"oars-1.1\"/>"; do
    grep -qF "$text" "$metainfo" || fail "the AppStream data lack $text"
done
echo "PASS ($case_name)"
