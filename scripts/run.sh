#!/usr/bin/env bash
# Installs what is missing, builds, prepares a writable program directory and starts Salvia in it.
# The program directory defaults to ~/Salvia (set SALVIA_HOME to choose another).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/build.sh"

home="${SALVIA_HOME:-$HOME/Salvia}"
mkdir -p "$home/szovegek" "$home/Backup"
cp -r "$root/build/HtmlHelp" "$root/build/Pictures" "$home/"
cd "$home"
exec "$root/build/salvia" "$@"
