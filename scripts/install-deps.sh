#!/usr/bin/env bash
# Installs everything the two builds and the Wine test bed need on Debian 12.
# Needs root (or sudo). Safe to run again: apt skips what is already there.
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -qq

$SUDO apt-get install -y -qq --no-install-recommends \
  cmake make g++ googletest libgtest-dev libgmock-dev libbenchmark-dev \
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 \
  wine wine32:i386 wine64 fonts-wine \
  libxrender1:i386 libxrandr2:i386 libxi6:i386 libxcursor1:i386 \
  libxinerama1:i386 libxcomposite1:i386 libxfixes3:i386 \
  xvfb xauth x11-utils xdotool imagemagick openbox \
  fonts-wqy-microhei locales procps ca-certificates >/dev/null

# Wine takes its ANSI code page from the locale: zh_CN.UTF-8 gives 936 (GBK).
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
  $SUDO sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
echo "install-deps: done"
