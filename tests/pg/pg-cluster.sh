#!/usr/bin/env bash
# Starts or stops the private PostgreSQL cluster of the server tests.
#   pg-cluster.sh start INFO_FILE   creates a cluster in a temporary folder, starts it on loopback
#                                   and writes "host port user dbname datadir" to INFO_FILE
#   pg-cluster.sh stop INFO_FILE    stops the cluster and removes its folder
set -euo pipefail
action=$1
info=$2
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -x "$bin/initdb" ] || { echo "PostgreSQL server binaries not found (apt-get install postgresql)" >&2; exit 1; }

# The server refuses to run as root: run it as an unprivileged account then.
as_owner() {
  if [ "$(id -u)" = 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

case "$action" in
start)
  mkdir -p "$(dirname "$info")"
  [ -f "$info" ] && "$0" stop "$info" || true
  dir=$(mktemp -d /tmp/orvel-pg.XXXXXX)
  chmod 755 "$dir"
  [ "$(id -u)" = 0 ] && chown postgres "$dir"
  as_owner "$bin/initdb" -D "$dir/data" -A trust -U orvel -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1
  # A random free port; a port taken meanwhile makes the start fail, so try a few.
  for attempt in 1 2 3 4 5; do
    port=$((20000 + RANDOM % 30000))
    if as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
      -o "-c listen_addresses=127.0.0.1 -c port=$port -c unix_socket_directories=$dir -c fsync=off" start >/dev/null; then
      break
    fi
    [ "$attempt" = 5 ] && { cat "$dir/server.log" >&2; exit 1; }
  done
  as_owner "$bin/createdb" -h 127.0.0.1 -p "$port" -U orvel orvel_test
  echo "127.0.0.1 $port orvel orvel_test $dir" >"$info"
  ;;
stop)
  [ -f "$info" ] || exit 0
  read -r _ _ _ _ dir <"$info"
  as_owner "$bin/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null 2>&1 || true
  rm -rf "$dir" "$info"
  ;;
*)
  echo "usage: $0 start|stop INFO_FILE" >&2; exit 2 ;;
esac
