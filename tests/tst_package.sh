#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and runs the client there as a
# normal user under Xvfb: a changed setting and a recorded point must be in that user's data
# folder and be read again at the next start.
# Usage: tst_package.sh BUILD_DIR; with ARVEX_PACKAGE_SCREENSHOTS=DIR it saves the screen of each
# run there before closing the window. Exits 77 (skipped) when it cannot run: not root, or a tool
# it needs is missing.
set -euo pipefail

build="$(cd "$1" && pwd)"
skip() {
    echo "SKIP: $*"
    exit 77
}
fail() {
    echo "FAIL: $*"
    for log in "${work:-/nonexistent}"/client-*.log; do
        [ -f "$log" ] && { echo "--- $log"; cat "$log"; }
    done
    exit 1
}

[ "$(id -u)" -eq 0 ] || skip "needs root to run the client as another user"
for tool in cpack dpkg-deb Xvfb xdotool setpriv; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
id nobody >/dev/null 2>&1 || skip "no user nobody"

work="$(mktemp -d)"
xvfb_pid=""
client_pid=""
cleanup() {
    if [ -n "$client_pid" ]; then kill "$client_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"

# The package.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/deb/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    fail "expected one .deb, found: ${debs[*]}"
fi
deb="${debs[0]}"
echo "Package: $(basename "$deb")"

contents="$(dpkg-deb -c "$deb" | awk '{ print $6 }')"
for path in ./opt/arvex/ArvexClient ./opt/arvex/libArvexDll.so ./opt/arvex/components.xml \
    ./opt/arvex/file/language/English.qm ./opt/arvex/file/language/Chinese_cn.qm \
    ./opt/arvex/file/language/Chinese_tw.qm ./opt/arvex/hex/ArvexFirmwareFeatures.html \
    ./usr/bin/arvex-client ./usr/share/applications/arvex-client.desktop \
    ./usr/share/icons/hicolor/256x256/apps/arvex-client.png; do
    grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done

# The scratch root: the program folder belongs to root, the home folder to the user.
root="$work/root"
dpkg-deb -x "$deb" "$root"
program="$root/opt/arvex"
home="$work/home"
mkdir -p "$home"
chown nobody: "$home"
data="$home/.local/share/ArvexClient"

# Every library the programs load from the system comes from a package that Depends names; the
# fonts, and avrdude that the download utility runs, are named too.
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
depends_on() {
    tr ',|' '\n' <<<"$depends" | awk '{ print $1 }' | grep -qxF "$1" \
        || fail "Depends lacks $1${2:+ (for $2)}"
}
for needed in fonts-noto-cjk fonts-liberation; do
    depends_on "$needed"
done
if [ -e "$program/ArvexDownloadUtil" ]; then
    depends_on avrdude
    grep -qxF ./usr/bin/arvex-download-util <<<"$contents" || fail "no download utility launcher"
fi
while read -r library; do
    [ -e "$program/$library" ] && continue
    path="$(ldconfig -p | awk -v lib="$library" '$1 == lib { print $NF; exit }')"
    [ -n "$path" ] || fail "$library is not installed on this machine"
    owner="$(dpkg -S "$(readlink -f "$path")" 2>/dev/null || dpkg -S "$path")"
    depends_on "${owner%%:*}" "$library"
done < <(find "$program" -type f -exec readelf -d {} \; 2>/dev/null \
    | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p' | sort -u)

# Xvfb picks a free display and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1400x900x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
DISPLAY=":$(cat "$work/display")"
export DISPLAY

# Waits up to 30 s for a command to succeed.
wait_for() {
    local what="$1"
    shift
    for _ in $(seq 300); do
        "$@" && return 0
        kill -0 "$client_pid" 2>/dev/null \
            || fail "the client ended while waiting for $what"
        sleep 0.1
    done
    fail "no $what after 30 s"
}

find_window() {
    window="$(xdotool search --onlyvisible --name '^Arvex Client v' | head -n 1)"
    [ -n "$window" ]
}

# Clicks at a point of the main window given in window coordinates.
click() {
    xdotool mousemove --sync $((window_x + $1)) $((window_y + $2)) click 1
    sleep 0.3
}

# One run of the client as the user: dismiss the firmware notice, raise the jog velocity ratio
# by 5 with the spin box, record the arm's pose as a point, close the window.
# Usage: run_client RUN EXPECTED_RATIO.
run_client() {
    local log="$work/client-$1.log"
    # A user's plain environment; a sanitizer build keeps its options.
    local sanitizer_options=()
    for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
        [ -n "${!name:-}" ] && sanitizer_options+=("$name=${!name}")
    done
    (cd "$program" && exec setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env -i HOME="$home" DISPLAY="$DISPLAY" PATH=/usr/bin:/bin QT_QPA_PLATFORM=xcb \
        ARVEX_SIM_CONNECT_DELAY_MS=0 "${sanitizer_options[@]}" ./ArvexClient) >"$log" 2>&1 &
    client_pid=$!
    wait_for "window" find_window
    eval "$(xdotool getwindowgeometry --shell "$window")"
    window_x=$X
    window_y=$Y
    # The connection set-up sends the stored ratio and logs it; the panels are enabled then.
    wait_for "connection" grep -q "Jog velocity ratio:" "$log"
    # "Remind me later", right in the notice's button row (frame 800 x 522 centred on 1280 x 720).
    click 930 591
    # The spin box beside the velocity ratio slider of the TEACH panel (below the 42 pixel
    # title bar), then the Up key five times.
    click 418 $((42 + 234))
    xdotool key --delay 100 Up Up Up Up Up
    # The ratio is sent and saved 500 ms after the last change.
    wait_for "ratio $2" grep -q "Jog velocity ratio: $2" "$log"
    # "Save" of the PLAYBACK panel records the pose as a point.
    click $((967 + 98)) $((42 + 280 + 32 + 20))
    if [ -n "${ARVEX_PACKAGE_SCREENSHOTS:-}" ]; then
        import -window root "$ARVEX_PACKAGE_SCREENSHOTS/package-run-$1.png"
    fi
    # The title bar's close button.
    click 1259 21
    local waited=0
    while kill -0 "$client_pid" 2>/dev/null; do
        [ $waited -lt 100 ] || fail "the client did not quit"
        sleep 0.1
        waited=$((waited + 1))
    done
    wait "$client_pid" || fail "the client failed"
    client_pid=""
}

ratio() {
    sed -n 's/.*"velocityRatio": \([0-9.]*\).*/\1/p' "$data/file/JogParams.json"
}
points() {
    grep -c "<point>" "$data/file/PlaybackPoints.xml"
}

shipped="$(find "$program" | sort)"
run_client 1 55
[ "$(find "$program" | sort)" = "$shipped" ] || fail "the client wrote into its folder"
for file in file/AppParams.json file/JogParams.json file/PlaybackParams.json \
    hex/UpgradeParams.json file/PlaybackPoints.xml; do
    [ -f "$data/$file" ] || fail "no $file in the user's data folder"
    [ "$(stat -c %U "$data/$file")" = nobody ] || fail "$file does not belong to the user"
done
[ "$(ratio)" = 55 ] || fail "first run: velocity ratio $(ratio), expected 55"
[ "$(points)" = 1 ] || fail "first run: $(points) points, expected 1"

# The second run starts from what the first one saved: 55 + 5, and one point more.
run_client 2 60
grep -q "Resetting config file" "$work/client-2.log" && fail "second run recreated a file"
grep -q "Language load status: true" "$work/client-2.log" || fail "no translation loaded"
[ "$(ratio)" = 60 ] || fail "second run: velocity ratio $(ratio), expected 60"
[ "$(points)" = 2 ] || fail "second run: $(points) points, expected 2"
echo "PASS: setting and points kept in $data across two runs"
