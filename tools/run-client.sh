#!/usr/bin/env bash
# Installs what is missing, builds the client, the download utility it hands the arm to for a
# firmware upgrade and the simulated board and headset, and starts the client with the simulated
# arm.
# Without a display it runs the client under Xvfb for a few seconds and saves a screenshot.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"
"$root/tools/install-deps.sh"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DARVEX_BUILD_TESTS=OFF -DARVEX_BUILD_BENCH=OFF
targets=(ArvexClient ArvexDownloadUtil)
# The simulated board and headset live on pseudo-terminals, which Windows' shells lack.
case "$(uname -s)" in
MINGW* | MSYS*) ;;
*) targets+=(ArvexBoardSim arvex-eegsim) ;;
esac
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

# The client reads components.xml from its working directory.
cd "$build/bin"
if [ -n "${DISPLAY:-}" ]; then
    exec ./ArvexClient
fi

screenshot="$build/screenshot.png"
display=":${ARVEX_XVFB_DISPLAY:-94}"
Xvfb "$display" -screen 0 1400x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$client_pid" "$xvfb_pid" 2>/dev/null || true' EXIT
sleep 1
DISPLAY="$display" ./ArvexClient &
client_pid=$!
sleep "${ARVEX_SCREENSHOT_DELAY:-5}"
DISPLAY="$display" import -window root "$screenshot"
echo "No display: the client ran under Xvfb; screenshot saved to $screenshot"
