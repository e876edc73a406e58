#!/usr/bin/env bash
# Builds the Debian package (tools/build-package.sh), checks it with lintian (no error, no
# warning), installs it with apt and runs the client from its launcher under Xvfb, twice as a
# normal user and once as root: a changed setting and a recorded point must be in the running
# user's data folder, never in the package's folder, and be read again at the next start. After
# `apt-get remove` nothing of the package may be left.
# Usage: tst_package.sh [BUILD_DIR] (default build-package); with ARVEX_PACKAGE_SCREENSHOTS=DIR it
# saves the screen of each run there before closing the window. Exits 77 (skipped) when it cannot
# run: not root, or a tool it needs is missing.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
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

[ "$(id -u)" -eq 0 ] || skip "needs root to install the package and run the client as another user"
for tool in apt-get dpkg-deb Xvfb xdotool setpriv; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
id nobody >/dev/null 2>&1 || skip "no user nobody"
dpkg-query -W -f='${Status}' arvex-tools 2>/dev/null | grep -q "install ok installed" \
    && skip "arvex-tools is installed already; the test installs and removes it"

work="$(mktemp -d)"
xvfb_pid=""
client_pid=""
installed=""
cleanup() {
    if [ -n "$client_pid" ]; then kill "$client_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    if [ -n "$installed" ]; then apt-get remove -y -qq arvex-tools >/dev/null 2>&1 || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"
start=$SECONDS

deb="$(bash "$root/tools/build-package.sh" "${1:-$root/build-package}" 2>"$work/build.log")" \
    || { tail -n 50 "$work/build.log"; fail "building the package failed"; }
echo "Package: $(basename "$deb") (built in $((SECONDS - start)) s)"

# Debian's own checker.
command -v lintian >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
    --no-install-recommends lintian >/dev/null || fail "cannot install lintian"
echo "--- lintian $(basename "$deb")"
lintian --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"
echo "--- lintian end"

program=/usr/lib/arvex-tools
contents="$(dpkg-deb -c "$deb" | awk '{ print $6 }')"
for path in ArvexClient libArvexDll.so components.xml arvex-installed file/language/English.qm \
    file/language/Chinese_cn.qm file/language/Chinese_tw.qm hex/ArvexFirmwareFeatures.html \
    hex/ArvexFirmwareFeatures_zh_CN.html hex/ArvexFirmwareFeatures_zh_TW.html; do
    grep -qxF ".$program/$path" <<<"$contents" || fail "the package lacks $program/$path"
done
for path in /usr/bin/arvex-client /usr/share/applications/arvex-client.desktop \
    /usr/share/icons/hicolor/256x256/apps/arvex-client.png /usr/share/man/man1/arvex-client.1.gz \
    /usr/share/doc/arvex-tools/copyright /usr/share/doc/arvex-tools/changelog.gz; do
    grep -qxF ".$path" <<<"$contents" || fail "the package lacks $path"
done

# Every library the programs load from the system comes from a package that Depends names; what
# the programs run or look up by name is named too.
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
depends_on() {
    tr ',|' '\n' <<<"$depends" | awk '{ print $1 }' | grep -qxF "$1" \
        || fail "Depends lacks $1${2:+ (for $2)}"
}
for needed in fonts-noto-cjk fonts-liberation pkexec qttranslations5-l10n; do
    depends_on "$needed"
done
if grep -qxF ".$program/ArvexDownloadUtil" <<<"$contents"; then
    depends_on avrdude
    grep -qxF ./usr/bin/arvex-download-util <<<"$contents" || fail "no download utility launcher"
fi
dpkg-deb -x "$deb" "$work/unpacked"
while read -r library; do
    [ -e "$work/unpacked$program/$library" ] && continue
    path="$(ldconfig -p | awk -v lib="$library" '$1 == lib { print $NF; exit }')"
    [ -n "$path" ] || fail "$library is not installed on this machine"
    owner="$(dpkg -S "$(readlink -f "$path")" 2>/dev/null || dpkg -S "$path")"
    depends_on "${owner%%:*}" "$library"
done < <(find "$work/unpacked" -type f -exec readelf -d {} \; 2>/dev/null \
    | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p' | sort -u)

installed=yes
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$work/install.log" 2>&1 \
    || { cat "$work/install.log"; fail "apt-get install failed"; }
owned="$(dpkg -L arvex-tools)"

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

# One run of the client from the menu's command in a user's plain environment: dismiss the
# firmware notice, raise the jog velocity ratio by 5 with the spin box, record the arm's pose as a
# point, close the window. Usage: run_client RUN USER HOME EXPECTED_RATIO.
run_client() {
    local log="$work/client-$1.log"
    (cd "$3" && exec setpriv --reuid="$2" --regid="$(id -g "$2")" --clear-groups \
        env -i HOME="$3" DISPLAY="$DISPLAY" PATH=/usr/bin:/bin QT_QPA_PLATFORM=xcb \
        ARVEX_SIM_CONNECT_DELAY_MS=0 arvex-client) >"$log" 2>&1 &
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
    wait_for "ratio $4" grep -q "Jog velocity ratio: $4" "$log"
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

# The files of a run are in the data folder of the user who ran it; the package's folder stays as
# shipped. Usage: check_run RUN USER HOME EXPECTED_RATIO EXPECTED_POINTS.
check_run() {
    local data="$3/.local/share/ArvexClient"
    [ "$(find "$program" | sort)" = "$shipped" ] || fail "run $1 wrote into $program"
    for file in file/AppParams.json file/JogParams.json file/PlaybackParams.json \
        hex/UpgradeParams.json file/PlaybackPoints.xml; do
        [ -f "$data/$file" ] || fail "run $1: no $file in the data folder of $2"
        [ "$(stat -c %U "$data/$file")" = "$2" ] || fail "run $1: $file does not belong to $2"
    done
    local ratio points
    ratio="$(sed -n 's/.*"velocityRatio": \([0-9.]*\).*/\1/p' "$data/file/JogParams.json")"
    points="$(grep -c "<point>" "$data/file/PlaybackPoints.xml")"
    [ "$ratio" = "$4" ] || fail "run $1: velocity ratio $ratio, expected $4"
    [ "$points" = "$5" ] || fail "run $1: $points points, expected $5"
}

shipped="$(find "$program" | sort)"
for user in nobody root; do
    mkdir -p "$work/home-$user"
    chown "$user": "$work/home-$user"
done
run_client 1 nobody "$work/home-nobody" 55
check_run 1 nobody "$work/home-nobody" 55 1
# The second run starts from what the first one saved: 55 + 5, and one point more.
run_client 2 nobody "$work/home-nobody" 60
grep -q "Resetting config file" "$work/client-2.log" && fail "second run recreated a file"
grep -q "Language load status: true" "$work/client-2.log" || fail "no translation loaded"
check_run 2 nobody "$work/home-nobody" 60 2
# Root may write the package's folder, but its files go to its own data folder all the same.
run_client 3 root "$work/home-root" 55
check_run 3 root "$work/home-root" 55 1

# Removed, the package leaves nothing behind: what is left of its list are folders of others.
apt-get remove -y -qq arvex-tools >"$work/remove.log" 2>&1 \
    || { cat "$work/remove.log"; fail "apt-get remove failed"; }
installed=""
grep -i "not empty" "$work/remove.log" && fail "the removal left folders that are not empty"
while read -r path; do
    [ "$path" != /. ] && [ -e "$path" ] || continue
    [ -d "$path" ] && dpkg -S "$path" >/dev/null 2>&1 || fail "$path is left after the removal"
done <<<"$owned"
[ ! -e "$program" ] || fail "$program is left after the removal"
echo "PASS: lintian clean; settings and points kept per user across runs; nothing left after" \
    "removal ($((SECONDS - start)) s)"
