#!/usr/bin/env bash
# Installs what building and testing need on Debian 12; does nothing when all of it is there.
set -euo pipefail
packages=(g++-mingw-w64-x86-64-posix cmake ninja-build googletest nlohmann-json3-dev
          wine64 wine xvfb fonts-wqy-microhei fonts-wine locales imagemagick time)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "installing: ${missing[*]}"
    SUDO=; [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
# Without the generated locale Wine silently falls back to code page 1252.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
    SUDO=; [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO sed -i 's/^# *zh_CN.UTF-8/zh_CN.UTF-8/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen >/dev/null
fi
