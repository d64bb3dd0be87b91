#!/usr/bin/env bash
# Installs the Debian packages that building, running, testing and packaging need (only the missing
# ones).
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-5compat-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite libqt6sql6-psql libgl-dev qt6-translations-l10n
  libpq-dev libsqlite3-dev libicu-dev postgresql
  libsodium-dev libcurl4-openssl-dev libzip-dev libshp-dev
  fonts-liberation poppler-utils sqlite3 python3
  dpkg-dev file desktop-file-utils appstream
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
