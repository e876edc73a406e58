#!/usr/bin/env bash
# Builds the Windows folder and test programs (build-windows.sh) and runs every Windows test
# program under Wine, two at a time, headless (Qt's offscreen platform), each in a Wine prefix of
# this build's own and with a time limit, so that a hanging test cannot hang the run.
# Failures that Wine alone causes are listed in tests/wine-limitations.txt ("program::case" and
# the reason); they are reported by name and do not fail the run. Anything else does.
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
# The folder's DLLs and QtTest come from Wine's PATH.
dist="$build/dist/ArvexTools"
export WINEPATH="Z:${dist//\//\\};Z:${prefix//\//\\}\\bin"
export prefix

run_one() {
    local exe="$1" name
    name="$(basename "$exe" .exe)"
    local arguments=(-o "$name.txt,txt")
    # Programs that make no QApplication refuse "-platform"; the others find the offscreen
    # platform beside themselves.
    if ! grep -qE 'QTEST_GUILESS_MAIN|QCoreApplication app' "$root/tests/$name.cpp"; then
        arguments+=(-platform offscreen)
        mkdir -p "$(dirname "$exe")/platforms"
        cp "$prefix/plugins/platforms/qoffscreen.dll" "$(dirname "$exe")/platforms/"
    fi
    cd "$(dirname "$exe")"
    rm -f "$name.txt"
    timeout -k 10 "${ARVEX_WINE_TEST_TIMEOUT:-300}" wine "$name.exe" "${arguments[@]}" \
        >"$name.wine.log" 2>&1 || echo "exit $?" >>"$name.wine.log"
}
export -f run_one
export root
find "$build/tests" -name 'tst_*.exe' | sort | xargs -P 2 -I{} bash -c 'run_one {}'

passed=0 failed=0 programs=0 whole=0 unexpected=()
for exe in "$build"/tests/*/tst_*.exe; do
    name="$(basename "$exe" .exe)"
    log="${exe%.exe}.txt"
    touch "$log"
    programs=$((programs + 1))
    totals="$(grep -a '^Totals:' "$log" || true)"
    p=$(sed -n 's/^Totals: \([0-9]*\) passed.*/\1/p' <<<"$totals")
    f=$(sed -n 's/.* \([0-9]*\) failed.*/\1/p' <<<"$totals")
    passed=$((passed + ${p:-0})) failed=$((failed + ${f:-0}))
    if [ -z "$totals" ]; then
        echo "$name: did not finish ($(tail -1 "${exe%.exe}.wine.log"))"
        grep -qx "$name::\*.*" "$root/tests/wine-limitations.txt" 2>/dev/null \
            || unexpected+=("$name")
        continue
    fi
    echo "$name: ${p:-0} passed, ${f:-0} failed"
    [ "${f:-0}" -eq 0 ] && whole=$((whole + 1))
    while read -r case; do
        reason="$(grep -F "$case " "$root/tests/wine-limitations.txt" 2>/dev/null | cut -d' ' -f2- || true)"
        if [ -n "$reason" ]; then
            echo "  $case fails under Wine: $reason"
        else
            echo "  $case FAILED"
            unexpected+=("$case")
        fi
    done < <(sed -n 's/^FAIL!  : \([^ (]*\).*/\1/p' "$log" | sort -u)
done
echo "Under Wine: $whole of $programs test programs pass whole; $passed cases passed," \
    "$failed failed ($((SECONDS - start)) s)"
if [ ${#unexpected[@]} -gt 0 ]; then
    echo "FAIL: ${unexpected[*]} (results: $build/tests/*/tst_*.txt, output: *.wine.log)"
    exit 1
fi
echo "PASS: every failure under Wine is one of Wine's, as listed in tests/wine-limitations.txt"
