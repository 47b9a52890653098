#!/bin/sh
# End-to-end check of the built package: unpacked into a scratch root, the
# installed program answers --version, finds its help where it looks for it,
# and starts on Qt's offscreen platform (still running after two seconds).
set -eu
deb=$(ls build-package/veldoran_*.deb)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
"$root/usr/games/veldoran" --version | grep -q "^veldoran 1.0$"
test -f "$root/usr/games/../share/veldoran/help.txt"
test -f "$root/usr/games/../share/veldoran/help.en.txt"
status=0
(cd "$root" && QT_QPA_PLATFORM=offscreen timeout 2 "$root/usr/games/veldoran" "$root/usr/share/veldoran/examples/6-49.txt") \
    > /dev/null 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
    echo "the installed program did not keep running (exit status $status)" >&2
    exit 1
fi
echo "package check passed: $deb"
