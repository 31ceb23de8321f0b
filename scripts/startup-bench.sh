#!/usr/bin/env bash
# Start-up timing under Wine, in one run: process start to first window for velorix.exe (its login
# dialog, in a fresh folder) against a bare Win32 program that only opens a window; prints the ratio.
# Usage: bash scripts/startup-bench.sh [runs]   (after scripts/install-deps.sh)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win -j"$(nproc)" --target velorix bare_window startup_timer >/dev/null
dir=$ROOT/build/startup-bench
rm -rf "$dir"; mkdir -p "$dir/velorix" "$dir/bare"
cp build/win/bin/velorix.exe "$dir/velorix/"
cp build/win/bin/bare_window.exe "$dir/bare/"
source scripts/wine-lib.sh
trap wine_down EXIT
wine_up private
wine build/win/bin/startup_timer.exe "$(winepath -w "$dir/velorix/velorix.exe")" "$(winepath -w "$dir/bare/bare_window.exe")" "${1:-10}"
