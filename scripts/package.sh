#!/bin/sh
# Makes the Debian package of Vellicor into build/package/: a release build of its own in
# build-package/ with Debian's build flags (hardened, as lintian expects), the package made by
# CPack's DEB generator (cmake/Package.cmake), then the checks: the desktop entries and the
# AppStream metadata validated as the package installs them, and lintian, which must report no
# error. Install it with `sudo apt-get install ./build/package/vellicor_*.deb`.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
# With what only packaging needs.
"$root/scripts/setup.sh" dpkg-dev fakeroot file lintian desktop-file-utils appstream

build="$root/build-package"
out="$root/build/package"
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
export CXXFLAGS="$CXXFLAGS $CPPFLAGS" # CMake reads no CPPFLAGS

rm -rf "$build" "$out"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELLICOR_TESTS=OFF -DVELLICOR_BENCHMARKS=OFF
cmake --build "$build" -j2
mkdir -p "$out"
(cd "$build" && cpack -G DEB -B "$out")
rm -rf "$out/_CPack_Packages"
deb=$(ls "$out"/vellicor_*.deb)

version=$(dpkg-deb -f "$deb" Version)
logged=$(dpkg-parsechangelog -l "$root/desktop/changelog" -S Version)
if [ "$version" != "$logged" ]; then
    echo "The package is version $version but desktop/changelog begins with $logged: add an entry." >&2
    exit 1
fi

installed=$(mktemp -d)
trap 'rm -rf "$installed"' EXIT
dpkg-deb -x "$deb" "$installed"
desktop-file-validate "$installed"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$installed"/usr/share/metainfo/*.metainfo.xml
lintian --info "$deb"

dpkg-deb --info "$deb"
echo "$deb"
