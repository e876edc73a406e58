#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing the project need.
# Does nothing when they are all present; needs root (or sudo) otherwise.
set -euo pipefail

packages=(
    cmake make g++ pkg-config
    qtbase5-dev libqt5serialport5-dev libqt5svg5-dev qttools5-dev qttools5-dev-tools
    libqcustomplot-dev libbenchmark-dev
    xvfb xauth imagemagick xdotool fonts-dejavu-core
    # What the Debian package depends on by name: the fonts, the elevated update run, Qt's
    # translations and the download utility's avrdude.
    fonts-noto-cjk fonts-liberation pkexec qttranslations5-l10n avrdude
    # The package's build and check, and the Windows compile check.
    dpkg-dev lintian g++-mingw-w64-x86-64-posix
    # The script package's tests.
    python3
)
# tools/run-fuzzers.sh also needs clang and libFuzzer.
[ "${1:-}" = "--fuzz" ] && packages+=(clang-14 libclang-rt-14-dev)
# The Windows build's own Qt and avrdude, its zip, and Wine to run it (the wine command, 64-bit).
[ "${1:-}" = "--windows" ] && packages+=(bison flex zip wine wine64)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
        || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
