#!/bin/sh
# Installs, with apt-get and only when missing, every Debian package Vellicor needs to build,
# test, benchmark and take screenshots, and any packages named as arguments (what only one
# script needs, such as packaging). Safe to run again; needs root (or sudo) only when something
# is missing.
set -eu

packages="g++ cmake ninja-build ccache pkg-config qt6-base-dev libgtest-dev libgmock-dev \
libbenchmark-dev libgif-dev libavcodec-dev libavformat-dev libswscale-dev libavutil-dev xvfb xauth xdotool imagemagick openbox fonts-dejavu-core $*"

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
# shellcheck disable=SC2086
$sudo apt-get install -y -q --no-install-recommends $missing
