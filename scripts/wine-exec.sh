#!/usr/bin/env bash
# Runs a Windows executable under the repo's Wine test bed (ctest's emulator for the Windows build).
source "$(dirname "$0")/wine-lib.sh"
if [ -f "$MIRELLE_WINE_STATE/env" ]; then source "$MIRELLE_WINE_STATE/env"; fi
exec wine "$@"
