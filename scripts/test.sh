#!/usr/bin/env bash
# Installs what is missing, builds and runs every test, on SQLite and on a throwaway PostgreSQL
# cluster that lives only as long as this script; then makes the Debian package and checks its
# contents.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/build.sh"

# The cluster: initdb into a temporary folder as the postgres system user (initdb refuses root),
# listening on a Unix socket in that folder only; stopped and removed at exit, whatever the outcome.
pgbin="$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)"
pgdir="$(mktemp -d "${TMPDIR:-/tmp}/salvia-pg.XXXXXX")"
as_postgres=()
if [ "$(id -u)" -eq 0 ]; then
  chown postgres: "$pgdir"
  as_postgres=(runuser -u postgres --)
fi
chmod 700 "$pgdir"
stop_cluster() {
  "${as_postgres[@]}" "$pgbin/pg_ctl" -D "$pgdir/data" -m immediate -w stop >/dev/null 2>&1 || true
  rm -rf "$pgdir"
}
trap stop_cluster EXIT
"${as_postgres[@]}" "$pgbin/initdb" -D "$pgdir/data" -U postgres --auth=trust -E UTF8 --locale=C.UTF-8 \
  >"$pgdir/initdb.log" 2>&1 || { cat "$pgdir/initdb.log"; exit 1; }
"${as_postgres[@]}" "$pgbin/pg_ctl" -D "$pgdir/data" -l "$pgdir/server.log" -w \
  -o "-c listen_addresses='' -c unix_socket_directories='$pgdir' -c fsync=off -c full_page_writes=off -c max_connections=200" \
  start >/dev/null || { cat "$pgdir/server.log"; exit 1; }
export SALVIA_TEST_PG="postgresql://postgres@/postgres?host=$pgdir"

cd "$root/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
"$root/scripts/package.sh"
