#!/usr/bin/env bash
# Builds the Windows folder and test programs (build-windows.sh) and runs every Windows test
# program under Wine, two at a time, headless (Qt's offscreen platform), each in a Wine prefix of
# this build's own and with a time limit, so that a hanging test cannot hang the run.
# Usage: test-windows.sh   (ARVEX_WINE_TEST_TIMEOUT: seconds per test program, default 300)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ARVEX_WIN_BUILD_DIR:-$root/build-windows}"
prefix="${ARVEX_QT_WIN_PREFIX:-$HOME/.cache/arvex/qt5-win64}"
"$root/tools/install-deps.sh" --windows
"$root/tools/build-windows.sh"
start=$SECONDS

export WINEPREFIX="${ARVEX_WINEPREFIX:-$build/wine}" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Qt's event loop on Windows needs a window of Wine's, so Wine needs an X display even though Qt
# draws offscreen.
Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$build/xvfb.display" 2>/dev/null &
xvfb_pid=$!
trap 'wineserver -k 2>/dev/null || true; kill "$xvfb_pid" 2>/dev/null || true' EXIT
while [ ! -s "$build/xvfb.display" ]; do sleep 0.1; done
export DISPLAY=":$(cat "$build/xvfb.display")"
[ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1
# Wine passes no QT_ variable of the shell on, so they are set where every Windows process, and
# the test programs' child processes too, reads them: the headless platform, and output on stdout
# as from a console window (without one Qt writes to the debugger instead).
wine reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /d offscreen /f >/dev/null 2>&1
wine reg add 'HKCU\Environment' /v QT_LOGGING_TO_CONSOLE /d 1 /f >/dev/null 2>&1
# Qt's DLLs from its prefix, so that Qt finds its plugins and translations there as it does on
# Linux; the rest (the controller library, MinGW's runtime) from the folder.
dist="$build/dist/ArvexTools"
export WINEPATH="Z:${prefix//\//\\}\\bin;Z:${dist//\//\\}"

run_one() {
    local exe="$1" name
    name="$(basename "$exe" .exe)"
    cd "$(dirname "$exe")"
    rm -f "$name.txt"
    timeout -k 10 "${ARVEX_WINE_TEST_TIMEOUT:-300}" wine "$name.exe" -o "$name.txt,txt" \
        >"$name.wine.log" 2>&1 || echo "exit $?" >>"$name.wine.log"
}
# The kill tests start a program for every kill, which takes a second or two under Wine: fewer
# kills keep the run short (Linux's suite kills 100 and 200 times).
export ARVEX_KILLS="${ARVEX_KILLS:-20}"
export -f run_one
find "$build/tests" -name 'tst_*.exe' | sort | xargs -P 2 -I{} bash -c 'run_one {}'

passed=0 failed=0 skipped=0 programs=0 whole=0 unfinished=()
for exe in "$build"/tests/*/tst_*.exe; do
    name="$(basename "$exe" .exe)"
    programs=$((programs + 1))
    totals="$(grep -a '^Totals:' "${exe%.exe}.txt" 2>/dev/null || true)"
    if [ -z "$totals" ]; then
        echo "$name: did not finish ($(tail -1 "${exe%.exe}.wine.log"))"
        unfinished+=("$name")
        continue
    fi
    read -r p f s <<<"$(sed 's/^Totals: \([0-9]*\) passed, \([0-9]*\) failed, \([0-9]*\) skipped.*/\1 \2 \3/' <<<"$totals")"
    passed=$((passed + p)) failed=$((failed + f)) skipped=$((skipped + s))
    [ "$f" -eq 0 ] && whole=$((whole + 1))
    echo "$name: $p passed, $f failed, $s skipped"
    grep -a '^FAIL!' "${exe%.exe}.txt" || true
done
echo "Under Wine: $whole of $programs test programs pass whole; $passed cases passed, $failed" \
    "failed, $skipped skipped ($((SECONDS - start)) s)"
if [ "$failed" -gt 0 ] || [ ${#unfinished[@]} -gt 0 ]; then
    echo "FAIL: the Windows tests under Wine (results: $build/tests/*/tst_*.txt, output: *.wine.log)"
    exit 1
fi
echo "PASS: every Windows test program passes under Wine"
