# Sourced by the scripts: the Wine test bed of this repo (32-bit prefix, Chinese locale, a private
# X display when asked). Everything it starts is recorded by pid in $MIRELLE_WINE_STATE and stopped
# by wine_down.
MIRELLE_ROOT=${MIRELLE_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
MIRELLE_WINE_STATE=${MIRELLE_WINE_STATE:-$MIRELLE_ROOT/build/wine}

export WINEARCH=win32
export WINEPREFIX=$MIRELLE_WINE_STATE/prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
# Code page 936 (GBK) as on a Chinese Windows: Wine takes it from the locale.
export LC_ALL=zh_CN.UTF-8
export LANG=zh_CN.UTF-8

# Starts a private Xvfb with openbox, then wineserver and the prefix. Writes $MIRELLE_WINE_STATE/env.
wine_up() {
  local use_private_display=${1:-private}
  mkdir -p "$MIRELLE_WINE_STATE"
  : > "$MIRELLE_WINE_STATE/pids"
  if [ "$use_private_display" = private ] || [ -z "${DISPLAY:-}" ]; then
    local fifo=$MIRELLE_WINE_STATE/displayfd
    rm -f "$fifo"; mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    echo $! >> "$MIRELLE_WINE_STATE/pids"
    local num; read -r num < "$fifo"; rm -f "$fifo"
    export DISPLAY=":$num"
    openbox >/dev/null 2>&1 &
    echo $! >> "$MIRELLE_WINE_STATE/pids"
  fi
  echo "export DISPLAY=$DISPLAY" > "$MIRELLE_WINE_STATE/env"
  mkdir -p "$WINEPREFIX"
  wineserver -p
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot --init >/dev/null 2>&1 || true
  fi
  # Let Wine's services start now, so that they do not inherit and hold a test runner's pipes.
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

wine_down() {
  wineserver -k 2>/dev/null || true
  if [ -f "$MIRELLE_WINE_STATE/pids" ]; then
    tac "$MIRELLE_WINE_STATE/pids" | while read -r pid; do kill "$pid" 2>/dev/null || true; done
    rm -f "$MIRELLE_WINE_STATE/pids"
  fi
}
