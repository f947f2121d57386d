#!/usr/bin/env bash
# Unpacks the Debian package into a throwaway root (dpkg -x) and checks that its files are
# where the desktop entry and the program look for them. Checks the package given, or the one
# scripts/package.sh built.
set -euo pipefail
deb=${1:+$(realpath "$1")}
cd "$(dirname "$0")/.."
source scripts/packages.sh
kv_ensure_packages "${KV_PACKAGE_PACKAGES[@]}"
deb=${deb:-$(ls build/package/kelvarne_*.deb)}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"

failed=0
fail() { echo "package check: $*" >&2; failed=1; }
need() { [ -e "$root$1" ] || fail "missing $1"; }

[ "$(dpkg-deb -f "$deb" Package)" = kelvarne ] || fail "the package is not named kelvarne"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6serialport6 libhidapi-hidraw0 libqt6svg6; do
  [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib (shlibdeps): $depends"
done

desktop=/usr/share/applications/kelvarne.desktop
need "$desktop"
[ -e "$root$desktop" ] && { desktop-file-validate "$root$desktop" >&2 ||
  fail "$desktop is not a valid desktop entry"; }
field() { sed -n "s/^$1=//p" "$root$desktop" | head -n1; }
[ "$(field Name)" = Kelvarne ] || fail "the desktop entry is not named Kelvarne"
exec_cmd=$(field Exec | cut -d' ' -f1)
case "$exec_cmd" in
  /*) bin=$exec_cmd ;;
  *) bin=/usr/bin/$exec_cmd ;;
esac
[ -x "$root$bin" ] || fail "Exec=$exec_cmd: no program at $bin"

icon=$(field Icon)
hicolor=/usr/share/icons/hicolor
for size in 48 128; do
  png=$hicolor/${size}x${size}/apps/$icon.png
  need "$png"
  [ -e "$root$png" ] && { file "$root$png" | grep -q "PNG image data, $size x $size" ||
    fail "$png is not a $size px PNG"; }
done
need "$hicolor/scalable/apps/$icon.svg"

# The program seeds a per-user folder from share/kelvarne beside its bin folder.
share=$(dirname "$bin")/../share/kelvarne
need "$share/data/Demo Layout.txt"
need "$share/data/Data/Layout Folders/Demo Layout/track.txt"
need "$share/data/sig"

# The seat's access rules (73-seat-late.rules) act on the uaccess tag: ours must run before.
rules=$(cd "$root" && ls usr/lib/udev/rules.d/*kelvarne*.rules 2>/dev/null)
[ "$(echo "$rules" | wc -w)" -eq 1 ] || fail "not one udev rule for the board: $rules"
rule=/$rules
[[ $(basename "$rule") < 73 ]] || fail "$rule sorts after 73-seat-late.rules"
grep -qxF 'SUBSYSTEM=="hidraw", ATTRS{idVendor}=="10cf", ATTRS{idProduct}=="550[0-3]", TAG+="uaccess"' \
  "$root$rule" || fail "$rule does not give the seated user the board"

# The About panel sends the user to the README that comes with the program.
doc=/usr/share/doc/kelvarne
need "$doc/README.md"
need "$doc/LICENSE"
need "$doc/copyright"

[ $failed -eq 0 ] || exit 1
echo "package check: $(basename "$deb") installs its files where they are expected"
