#!/usr/bin/env bash
# Installs what is missing, builds, prepares a writable program directory and starts Salvia in it.
# The program directory defaults to ~/Salvia (set SALVIA_HOME to choose another).
# With --demo as the first argument a demo database (a school kitchen with three months of data,
# login admin / admin) is created at the program's database place first, unless one is there.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
demo=0
if [[ "${1:-}" == "--demo" ]]; then
  demo=1
  shift
fi
"$root/scripts/deps.sh"
"$root/scripts/build.sh"

home="${SALVIA_HOME:-$HOME/Salvia}"
mkdir -p "$home/szovegek" "$home/Backup"
cp -r "$root/build/HtmlHelp" "$root/build/Pictures" "$home/"
cd "$home"

if [[ $demo == 1 ]]; then
  # The database place: PATH of the alias "Salvia" in salvia_db.ini, else the folder adatbazis.
  place=""
  if [[ -f salvia_db.ini ]]; then
    place="$(awk '{ sub(/\r$/, "") }
      /^\[/ { inside = (tolower($0) == tolower("[\\DATABASES\\Salvia\\DB INFO\\]")) ; next }
      inside && /^[ \t]*PATH[ \t]*=/ { sub(/^[^=]*=[ \t]*/, ""); sub(/[ \t]*$/, ""); print; exit }' salvia_db.ini)"
  fi
  place="${place:-$home/adatbazis}"
  if [[ "$place" != postgres* && -d "$place" && -n "$(ls -A "$place")" ]]; then
    echo "Az adatbázis helye nem üres, a bemutató adatbázis nem készül: $place" >&2
  else
    # A server that already holds a database refuses and says so; the program starts either way.
    "$root/build/salvia" --demo "$place" || true
  fi
fi
exec "$root/build/salvia" "$@"
