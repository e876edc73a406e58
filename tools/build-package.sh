#!/usr/bin/env bash
# Builds the Debian package from a build of its own: only what it ships (no tests, no benchmarks),
# with the distribution's hardening flags (dpkg-buildflags, bind-now included), and Qt's
# translations taken from Qt's package instead of copies.
# Usage: build-package.sh [BUILD_DIR] (default build-package); prints the path of the .deb.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(realpath -m "${1:-$root/build-package}")"
"$root/tools/install-deps.sh" >&2

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flag() { dpkg-buildflags --get "$1"; }
# CMake reads no CPPFLAGS; the preprocessor's share (_FORTIFY_SOURCE) joins the compiler flags.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=None \
    -DCMAKE_C_FLAGS="$(flag CPPFLAGS) $(flag CFLAGS)" \
    -DCMAKE_CXX_FLAGS="$(flag CPPFLAGS) $(flag CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flag LDFLAGS)" \
    -DCMAKE_SHARED_LINKER_FLAGS="$(flag LDFLAGS)" \
    -DARVEX_BUILD_TESTS=OFF -DARVEX_BUILD_BENCH=OFF -DARVEX_COPY_QT_TRANSLATIONS=OFF >&2
cmake --build "$build" -j"$(nproc)" >&2
rm -rf "$build/deb"
(cd "$build" && cpack -G DEB -B "$build/deb") >&2
deb="$(ls "$build"/deb/*.deb)"
# CPack calls ldconfig after installing and removing any library below /usr/lib; ours lives in
# the program folder, where ldconfig does not look, so the package goes without those scripts.
dpkg-deb -R "$deb" "$build/deb/root"
rm -f "$build/deb/root/DEBIAN/postinst" "$build/deb/root/DEBIAN/postrm"
dpkg-deb --root-owner-group -b "$build/deb/root" "$deb" >&2
rm -rf "$build/deb/root"
echo "$deb"
