#!/usr/bin/env bash
# Installs what is needed, builds both sides and runs every test: the portable core on the host
# (plain and with ASan/UBSan), then the Windows build under Wine on a private X display.
# Ends with ctest's summary of the Windows run; exits non-zero if anything failed.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"

bash scripts/install-deps.sh || exit 1

status=0
run() { "$@" || status=1; }

echo "== host build and tests"
cmake -S . -B build/host -DCMAKE_BUILD_TYPE=Debug >/dev/null || exit 1
cmake --build build/host -j"$(nproc)" || exit 1
run ctest --test-dir build/host --output-on-failure -j"$(nproc)"

echo "== host build with address and undefined-behaviour sanitizers"
cmake -S . -B build/host-asan -DCMAKE_BUILD_TYPE=Debug -DMIRELLE_SANITIZE=ON >/dev/null || exit 1
cmake --build build/host-asan -j"$(nproc)" || exit 1
run ctest --test-dir build/host-asan --output-on-failure -j"$(nproc)"

echo "== Windows build (MinGW-w64 i686) and its tests under Wine"
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 1
cmake --build build/win -j"$(nproc)" || exit 1

source scripts/wine-lib.sh
trap wine_down EXIT
wine_up private
run ctest --test-dir build/win --output-on-failure

exit $status
