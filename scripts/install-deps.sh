#!/bin/sh
# Installs the Debian packages the build needs, only those that are missing.
# Runs apt-get as root, through sudo otherwise.
set -eu

packages="cmake make g++ pkg-config libgtest-dev libbenchmark-dev qt6-base-dev libqt6sql6-sqlite libarchive-dev openssl qt6-charts-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libqt6opengl6-dev libgl-dev qt6-qpa-plugins qt6-wayland qt6-translations-l10n fonts-liberation2 fonts-dejavu-core $*"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
echo "Installing:$missing"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
