# The package as dpkg would unpack it (dpkg-deb -x): the README's run through its bin/ link.
source "$(dirname "$0")/lib.sh"

root="$work/root"
extract_package "$root"
check_bin_link "$root"
start_x
update_run "$root/usr/bin/tandera-patch"
echo "PASS ($case_name)"
