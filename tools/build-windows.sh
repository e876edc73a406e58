#!/usr/bin/env bash
# Cross-builds the programs, the controller library (the simulated arm) and the test programs for
# 64-bit Windows with Debian's MinGW-w64 against the Qt that build-qt-windows.sh provides, and
# lays out the folder a Windows user unpacks, build-windows/dist/ArvexTools, and its zip.
# Fails when a program or library in the folder imports a DLL that is neither in the folder nor
# one of Windows' own.
# Usage: build-windows.sh   (Qt prefix: $ARVEX_QT_WIN_PREFIX, default ~/.cache/arvex/qt5-win64)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ARVEX_WIN_BUILD_DIR:-$root/build-windows}"
prefix="${ARVEX_QT_WIN_PREFIX:-$HOME/.cache/arvex/qt5-win64}"
dist="$build/dist/ArvexTools"
"$root/tools/build-qt-windows.sh"
start=$SECONDS

mkdir -p "$build"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Qt's host tools in the prefix are Linux programs, except lrelease, which it lacks.
cmake -S "$root" -B "$build" -Wno-dev -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/MinGW-w64.cmake" \
    -DQt5_DIR="$prefix/lib/cmake/Qt5" -DQCustomPlot_ROOT="$prefix" \
    -DQt5LinguistTools_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt5LinguistTools \
    -DARVEX_QT_TRANSLATIONS="$prefix/translations" \
    -DARVEX_BUILD_BENCH=OFF >"$build/configure.log" 2>&1 \
    || { cat "$build/configure.log"; exit 1; }
cmake --build "$build" -j"$(($(nproc) < 2 ? $(nproc) : 2))"
echo "Built for Windows in $((SECONDS - start)) s"

rm -rf "$build/dist"
cmake --install "$build" --prefix "$dist" --strip >/dev/null
# The plugins the programs load: the window system, the native style, the image formats of the
# icons and pictures, and printing (QCustomPlot's export).
for plugin in platforms/qwindows styles/qwindowsvistastyle imageformats/qgif imageformats/qico \
    imageformats/qjpeg imageformats/qsvg iconengines/qsvgicon printsupport/windowsprintersupport; do
    mkdir -p "$dist/$(dirname "$plugin")"
    cp "$prefix/plugins/$plugin.dll" "$dist/$plugin.dll"
done
# Serial programmers only; avrdude.exe reads avrdude.conf from beside itself.
cp "$prefix/avrdude/bin/avrdude.exe" "$prefix/avrdude/etc/avrdude.conf" "$dist/file/"

# Every DLL a program or library in the folder imports is copied from Qt's prefix or MinGW's
# runtime, and those DLLs' own imports in turn; what is found nowhere must be Windows' own.
search=("$prefix/bin" /usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib)
system='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comdlg32|comctl32|msvcrt|ws2_32|winmm|imm32|uxtheme|dwmapi|version|netapi32|userenv|mpr|winspool\.drv|setupapi|hid|shlwapi|crypt32|dnsapi|iphlpapi|d2d1|dwrite|d3d11|dxgi|wtsapi32|api-ms-win-.*)(\.dll)?$'
imports() { x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'; }
report="$build/dist/imports.txt"
: >"$report"
missing=0
# avrdude.exe in file/ finds no DLL of the folder: it must need Windows' own alone.
queue=("$dist"/*.exe "$dist"/*.dll "$dist"/*/*.dll "$dist"/file/*.exe)
while [ ${#queue[@]} -gt 0 ]; do
    binary="${queue[0]}"
    queue=("${queue[@]:1}")
    line="${binary#"$dist/"}:"
    for dll in $(imports "$binary"); do
        if grep -qiE "$system" <<<"$dll"; then
            line+=" $dll(Windows)"
        elif [[ "$binary" == "$dist/file/"* ]]; then
            line+=" $dll(MISSING)"
            missing=1
        elif [ -n "$(find "$dist" -maxdepth 1 -iname "$dll" -print -quit)" ]; then
            line+=" $dll"
        elif found="$(find "${search[@]}" -maxdepth 1 -iname "$dll" -print -quit)" && [ -n "$found" ]; then
            cp "$found" "$dist/"
            # Debian's MinGW runtime DLLs carry their debugging symbols.
            x86_64-w64-mingw32-strip --strip-unneeded "$dist/$(basename "$found")"
            queue+=("$dist/$(basename "$found")")
            line+=" $dll(copied)"
        else
            line+=" $dll(MISSING)"
            missing=1
        fi
    done
    echo "$line" >>"$report"
done
sort -o "$report" "$report"
cat "$report"
[ $missing -eq 0 ] || { echo "FAIL: a DLL is missing from $dist"; exit 1; }

(cd "$build/dist" && rm -f ArvexTools.zip && zip -qr ArvexTools.zip ArvexTools)
(cd "$dist" && find . -type f -printf '%10s %P\n' | sort -k2)
echo "PASS: $dist ($(du -sh "$dist" | cut -f1)), $build/dist/ArvexTools.zip" \
    "($(du -h "$build/dist/ArvexTools.zip" | cut -f1)); every import is in the folder or Windows'"
