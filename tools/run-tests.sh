#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite headless.
# Pass -DSANITIZE=ON (or any other CMake option) to build the suite differently.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ARVEX_TEST_BUILD_DIR:-$root/build-tests}"
# The sanitizer build gets a folder of its own, so that neither build undoes the other.
case " $* " in
*" -DSANITIZE=ON "*) build="${ARVEX_TEST_BUILD_DIR:-$root/build-tests-sanitize}" ;;
esac
"$root/tools/install-deps.sh"

# A compiler cache, where one is installed, makes the second build of the same sources cheap.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug "${launcher[@]}" "$@"
cmake --build "$build" -j"$(nproc)"
cd "$build"
# ARVEX_CTEST_ARGS passes more to ctest, e.g. "-LE kill" to leave out the kill tests.
# shellcheck disable=SC2086
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" ${ARVEX_CTEST_ARGS:-}
# The Python package against the client just built.
cd "$root/python"
ARVEX_CLIENT_BIN_DIR="$build/bin" python3 -m unittest discover -s tests -t .
