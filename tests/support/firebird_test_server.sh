#!/usr/bin/env bash
# Starts or stops a private Firebird server on 127.0.0.1 for the tests: its own
# folder, port, lock files and security database, with the user and password
# that the program attaches with.
#   firebird_test_server.sh start <folder> <port>
#   firebird_test_server.sh stop <folder>
set -euo pipefail

action=$1
root=$2
engine_dir=$(dirname "$(find /usr/lib -path '*/firebird/3.0/plugins/libEngine12.so' -print -quit)")
engine_root=$(dirname "$engine_dir")

stop() {
  if [[ -f $root/server.pid ]]; then
    kill "$(cat "$root/server.pid")" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$(cat "$root/server.pid")" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$(cat "$root/server.pid")" 2>/dev/null || true
    rm -f "$root/server.pid"
  fi
}

case $action in
  start)
    port=$3
    stop
    rm -rf "$root"
    mkdir -p "$root/lock" "$root/data"
    for item in plugins intl lib UDF firebird.msg plugins.conf; do
      [[ -e $engine_root/$item ]] && ln -s "$engine_root/$item" "$root/$item"
    done
    cp "$(find /var/lib/firebird -name security3.fdb -print -quit)" "$root/security3.fdb"
    cat > "$root/firebird.conf" <<CONF
RemoteServicePort = $port
RemoteBindAddress = 127.0.0.1
SecurityDatabase = $root/security3.fdb
AuthServer = Srp
UserManager = Srp
IpcName = veldorin_test_$port
CONF
    printf 'security.db = %s/security3.fdb\n{\n  RemoteAccess = false\n}\n' "$root" > "$root/databases.conf"
    echo "create or alter user SYSDBA password 'tindralux' using plugin Srp; commit;" |
      FIREBIRD=$root FIREBIRD_LOCK=$root/lock isql-fb -q -user sysdba "$root/security3.fdb" >/dev/null
    FIREBIRD=$root FIREBIRD_LOCK=$root/lock setsid /usr/sbin/firebird >"$root/server.log" 2>&1 < /dev/null &
    echo $! > "$root/server.pid"
    for _ in $(seq 100); do
      if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then exit 0; fi
      sleep 0.1
    done
    echo "Firebird test server did not start on port $port" >&2
    cat "$root/server.log" >&2
    stop
    exit 1
    ;;
  stop)
    stop
    ;;
  *)
    echo "usage: $0 start <folder> <port> | stop <folder>" >&2
    exit 2
    ;;
esac
