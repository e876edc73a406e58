#!/usr/bin/env bash
# Builds what the Windows build links and ships into one prefix, once: Qt 5.15.8 (qtbase, then
# QtSerialPort and QtSvg against it, and Qt's translations), QCustomPlot 2.1 and avrdude 7.1
# (serial programmers only),
# all cross-built with Debian's MinGW-w64 from Debian's source packages (qtserialport from Qt's
# own source in ../shared/qt5-win64-src, which the registry lacks). Each part whose files are in
# the prefix already is skipped, so a second run on a complete prefix does nothing.
# A prefix without Qt starts as a copy of ../shared/qt5-win64.tar.xz where there is one (qtbase
# alone takes about 45 minutes on two cores); ARVEX_QT_WIN_FROM_SOURCE=1 builds it all instead.
# Usage: build-qt-windows.sh   (prefix: $ARVEX_QT_WIN_PREFIX, default ~/.cache/arvex/qt5-win64)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
prefix="${ARVEX_QT_WIN_PREFIX:-$HOME/.cache/arvex/qt5-win64}"
work="${ARVEX_QT_WIN_WORK:-$prefix-work}"
shared="$root/../shared"
tarball="${ARVEX_QT_WIN_TARBALL:-$shared/qt5-win64.tar.xz}"
jobs=$(($(nproc) < 2 ? $(nproc) : 2))
"$root/tools/install-deps.sh" --windows

timed() {
    local start=$SECONDS
    echo "== $1"
    "${@:2}" >"$work/$1.log" 2>&1 || { tail -40 "$work/$1.log"; echo "FAIL: $1"; exit 1; }
    echo "== $1 done in $((SECONDS - start)) s"
}

# Debian's source packages, through a sources list of our own: the machine's stays as it is.
# Only the original tarballs are used (avrdude's Debian changes are not in the registry).
fetch_orig() {
    local apt=(-o Dir::Etc::sourcelist="$work/apt/sources.list" -o Dir::Etc::sourceparts=-
        -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=)
    if [ ! -d "$work/apt/lists" ]; then
        mkdir -p "$work/apt/lists/partial"
        local mirror
        mirror="$(grep -rhE '^(URIs:|deb) ' /etc/apt/sources.list.d/ /etc/apt/sources.list 2>/dev/null \
            | grep -oE 'https?://[^ ]+/debian/?( |$)' | head -1 || true)"
        mirror="${mirror% }"
        mirror="${mirror:-http://deb.debian.org/debian}"
        printf 'deb-src %s %s main\n' "${mirror%/}" bookworm "${mirror%/}" bookworm-updates \
            "${mirror%/}-security" bookworm-security >"$work/apt/sources.list"
        apt-get "${apt[@]}" update -qq
    fi
    (cd "$work" && { ls "$1"_*.orig.tar.* >/dev/null 2>&1 \
        || apt-get "${apt[@]}" source --download-only -qq "$1" || true; })
    ls "$work/$1"_*.orig.tar.* >/dev/null || { echo "FAIL: no source of $1"; exit 1; }
}

# Unpacks a source tarball into $work/src/NAME (its single top folder renamed).
unpack() {
    rm -rf "$work/src/$1" "$work/src/tmp"
    mkdir -p "$work/src/tmp"
    tar xf "$2" -C "$work/src/tmp"
    mv "$work/src/tmp/"* "$work/src/$1"
    rmdir "$work/src/tmp"
}

build_qtbase() {
    fetch_orig qtbase-opensource-src
    unpack qtbase "$(ls "$work"/qtbase-opensource-src_*.orig.tar.*)"
    rm -rf "$work/build/qtbase" && mkdir -p "$work/build/qtbase" && cd "$work/build/qtbase"
    # Debian's source lacks src/3rdparty/wintab and iaccessible2: no tablet events, no screen
    # reader bridge. Widgets need no OpenGL.
    "$work/src/qtbase/configure" -xplatform win32-g++ \
        -device-option CROSS_COMPILE=x86_64-w64-mingw32- -prefix "$prefix" \
        -opensource -confirm-license -release -shared -nomake examples -nomake tests \
        -no-opengl -no-dbus -no-icu -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-freetype \
        -qt-harfbuzz -no-feature-tabletevent -no-accessibility \
        -no-sql-sqlite -no-sql-odbc -no-sql-psql -no-sql-mysql
    make -j"$jobs" && make install
}

# A Qt module's source built with the prefix's qmake.
build_module() {
    rm -rf "$work/build/$1" && mkdir -p "$work/build/$1" && cd "$work/build/$1"
    "$prefix/bin/qmake" "$work/src/$1" && make -j"$jobs" && make install
}

build_qtserialport() {
    unpack qtserialport "$shared/qt5-win64-src/qtserialport-5.15.8.tar.xz"
    # Qt's git source has no generated headers; qmake runs syncqt only in a git checkout.
    mkdir -p "$work/src/qtserialport/.git"
    build_module qtserialport
}

build_qtsvg() {
    fetch_orig qtsvg-opensource-src
    unpack qtsvg "$(ls "$work"/qtsvg-opensource-src_*.orig.tar.*)"
    build_module qtsvg
}

cmake_cross() {
    cmake -S "$1" -B "$2" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/MinGW-w64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DCMAKE_FIND_ROOT_PATH="$prefix;/usr/x86_64-w64-mingw32" \
        -DCMAKE_FIND_ROOT_PATH_MODE_PROGRAM=NEVER -DCMAKE_FIND_ROOT_PATH_MODE_LIBRARY=ONLY \
        -DCMAKE_FIND_ROOT_PATH_MODE_INCLUDE=ONLY -DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=ONLY "${@:3}"
    cmake --build "$2" -j"$jobs" && cmake --install "$2"
}

build_qcustomplot() {
    fetch_orig qcustomplot
    unpack qcustomplot "$(ls "$work"/qcustomplot_*.orig.tar.*)"
    cat >"$work/src/qcustomplot/CMakeLists.txt" <<'EOF'
cmake_minimum_required(VERSION 3.16)
project(qcustomplot CXX)
set(CMAKE_AUTOMOC ON)
find_package(Qt5 5.15 REQUIRED COMPONENTS Widgets PrintSupport)
add_library(qcustomplot SHARED qcustomplot.cpp qcustomplot.h)
target_compile_definitions(qcustomplot PRIVATE QCUSTOMPLOT_COMPILE_LIBRARY)
target_link_libraries(qcustomplot PRIVATE Qt5::Widgets Qt5::PrintSupport)
install(TARGETS qcustomplot RUNTIME DESTINATION bin ARCHIVE DESTINATION lib)
install(FILES qcustomplot.h DESTINATION include)
EOF
    cmake_cross "$work/src/qcustomplot" "$work/build/qcustomplot" -DQt5_DIR="$prefix/lib/cmake/Qt5"
}

# Qt's own texts: Debian's qttranslations5-l10n, the same on every platform, where the Windows
# programs' Qt looks for them (Qt's folder is found from where Qt5Core.dll is).
install_translations() {
    mkdir -p "$prefix/translations"
    cp /usr/share/qt5/translations/qtbase_*.qm "$prefix/translations/"
}

# Serial programmers are all the download utility uses: no USB, FTDI, HID or ELF libraries, and
# a static program that needs no runtime DLL.
build_avrdude() {
    fetch_orig avrdude
    unpack avrdude "$(ls "$work"/avrdude_*.orig.tar.*)"
    cmake_cross "$work/src/avrdude" "$work/build/avrdude" -DCMAKE_EXE_LINKER_FLAGS=-static \
        -DCMAKE_INSTALL_PREFIX="$prefix/avrdude" -DCMAKE_DISABLE_FIND_PACKAGE_Git=ON
}

mkdir -p "$prefix" "$work"
if [ ! -f "$prefix/bin/Qt5Core.dll" ] && [ -f "$tarball" ] && [ -z "${ARVEX_QT_WIN_FROM_SOURCE:-}" ]; then
    echo "== Qt from $tarball"
    tar xJf "$tarball" -C "$prefix" --strip-components=1
fi
[ -f "$prefix/bin/Qt5Core.dll" ] || timed qtbase build_qtbase
[ -f "$prefix/bin/Qt5SerialPort.dll" ] || timed qtserialport build_qtserialport
[ -f "$prefix/bin/Qt5Svg.dll" ] || timed qtsvg build_qtsvg
[ -f "$prefix/bin/libqcustomplot.dll" ] || timed qcustomplot build_qcustomplot
[ -f "$prefix/translations/qtbase_zh_CN.qm" ] || timed translations install_translations
[ -f "$prefix/avrdude/bin/avrdude.exe" ] || timed avrdude build_avrdude
echo "Qt for Windows (with Qt's translations), QCustomPlot and avrdude.exe are in $prefix"
