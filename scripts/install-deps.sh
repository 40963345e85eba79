#!/usr/bin/env bash
# Installs everything the build and the tests need on a fresh Debian 12 machine.
# Safe to run again: it skips what is already there.
set -euo pipefail

pkgs=(build-essential cmake ninja-build googletest libgtest-dev libjpeg-dev
      mingw-w64 wine wine64 xvfb x11-utils xdotool locales fonts-wqy-zenhei
      imagemagick python3 dpkg-dev binutils-mingw-w64-x86-64)

missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# libjpeg-turbo's source package is built with mingw for the Windows program.
src_list=/etc/apt/sources.list.d/vantrelle-src.sources
need_update=0
if [ ! -f "$src_list" ]; then
  cat > "$src_list" <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  need_update=1
fi

if [ ${#missing[@]} -gt 0 ] || [ $need_update = 1 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Code page 936 under Wine needs a generated Chinese locale.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
  sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
