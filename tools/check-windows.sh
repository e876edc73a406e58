#!/usr/bin/env bash
# Compiles every source that a Windows build compiles (programs, libraries and tests, Windows-only
# branches included) with Debian's MinGW-w64 for the Windows target against the installed Qt
# headers (syntax only: there is no Windows Qt to link), and builds the controller library as
# ArvexDll.dll, checking that it exports the interface's functions under their plain names.
# Usage: check-windows.sh [BUILD_DIR] (default build-windows-check). Fails on any error in our code.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build-windows-check}"
compiler=x86_64-w64-mingw32-g++-posix
"$root/tools/install-deps.sh"
start=$SECONDS

# Qt's imported targets name Linux libraries; nothing is linked against them here. QCustomPlot's
# Debian package would put /usr/include on the include path, whose C library headers are not
# Windows', so its header is taken from a folder of its own.
mkdir -p "$build/qcustomplot"
cp /usr/include/qcustomplot.h "$build/qcustomplot/"
cmake -S "$root" -B "$build" -Wno-dev -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/MinGW-w64.cmake" \
    -DQt5_DIR="$(dirname "$(find /usr/lib -path '*/cmake/Qt5/Qt5Config.cmake' -print -quit)")" \
    -DQCUSTOMPLOT_INCLUDE_DIR="$build/qcustomplot" \
    -DQCUSTOMPLOT_LIBRARY="$(find /usr/lib -name 'libQCustomPlot.so' -print -quit)" \
    -DARVEX_BUILD_BENCH=OFF >"$build/configure.log" 2>&1 \
    || { cat "$build/configure.log"; exit 1; }

# Each compile command of our sources, with "-o OBJECT -c" replaced by -fsyntax-only. The moc
# output a source includes only defines what its Q_OBJECT declares, so an empty file stands in.
python3 - "$build" "$root" >"$build/commands" <<'EOF'
import json, pathlib, re, shlex, sys
build, root = (folder + "/" for folder in sys.argv[1:3])
stubs = pathlib.Path(build, "moc-stubs")
stubs.mkdir(exist_ok=True)
for entry in json.load(open(build + "compile_commands.json")):
    if not entry["file"].startswith(root) or entry["file"].startswith(build):
        continue
    for moc in re.findall(r'^#include "(\w+\.moc)"', open(entry["file"]).read(), re.M):
        (stubs / moc).touch()
    words = shlex.split(entry["command"])
    out = words.index("-o")
    del words[out:out + 2]
    words[words.index("-c")] = "-fsyntax-only"
    words.append("-I" + str(stubs))
    print(shlex.quote(entry["directory"]), shlex.join(words))
EOF
count=$(wc -l <"$build/commands")
echo "Compiling $count sources for Windows with $compiler"
failed=0
xargs -P "$(nproc)" -L 1 bash -c 'cd "$0" && "$@"' <"$build/commands" || failed=1
[ $failed -eq 0 ] || { echo "FAIL: the Windows compile found errors"; exit 1; }

# The controller library as a Windows DLL: the thirteen functions under their plain names.
cmake --build "$build" --target ArvexDll -j"$(nproc)" >"$build/dll.log" \
    || { cat "$build/dll.log"; exit 1; }
dll="$build/bin/ArvexDll.dll"
exports="$(x86_64-w64-mingw32-objdump -p "$dll" \
    | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/s/^\s*\[ *[0-9]*\] //p')"
interface="$(sed -n 's/^ARVEXDLL_API [a-z]* \([A-Za-z]*\)(.*/\1/p' "$root/arvexdll/ArvexDll.h")"
[ "$(wc -l <<<"$interface")" -eq 13 ] || { echo "FAIL: ArvexDll.h declares: $interface"; exit 1; }
for name in $interface; do
    grep -qxF "$name" <<<"$exports" || { echo "FAIL: ArvexDll.dll does not export $name"; exit 1; }
done
# Beside the client it needs nothing but Windows' own libraries.
imports="$(x86_64-w64-mingw32-objdump -p "$dll" | sed -n 's/^\s*DLL Name: //p')"
if grep -qiv -e '^kernel32\.dll$' -e '^msvcrt\.dll$' -e '^api-ms-win-' <<<"$imports"; then
    echo "FAIL: ArvexDll.dll needs $(tr '\n' ' ' <<<"$imports")"
    exit 1
fi
echo "ArvexDll.dll exports: $(tr '\n' ' ' <<<"$exports")"
echo "ArvexDll.dll imports: $(tr '\n' ' ' <<<"$imports")"
echo "PASS: $count sources compile for Windows; ArvexDll.dll exports the interface" \
    "($((SECONDS - start)) s)"
