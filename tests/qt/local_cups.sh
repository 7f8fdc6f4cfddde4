#!/bin/sh
# A CUPS scheduler of the tests' own, in a folder of theirs: it listens only
# on a socket there and touches nothing of the system's CUPS. Two raw
# queues: Syori_Refuser, the default, does not accept jobs; Syori_Sink
# accepts them and prints into /dev/null.
#   local_cups.sh start DIR   starts it and prints the socket's path
#   local_cups.sh stop DIR    ends the scheduler started in DIR
set -eu
dir=$2
case "$1" in
start)
  command -v cupsd >/dev/null 2>&1 || [ -x /usr/sbin/cupsd ] || { echo "cupsd is not installed" >&2; exit 1; }
  cupsd=$(command -v cupsd 2>/dev/null || echo /usr/sbin/cupsd)
  mkdir -p "$dir/conf" "$dir/spool" "$dir/cache" "$dir/state" "$dir/log" "$dir/tmp"
  chmod 755 "$dir" "$dir"/*
  cat >"$dir/conf/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
<Location />
Order allow,deny
Allow all
</Location>
<Policy default>
<Limit All>
Order allow,deny
Allow all
</Limit>
</Policy>
CONF
  cat >"$dir/conf/cups-files.conf" <<CONF
ServerRoot $dir/conf
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/tmp
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
FileDevice Yes
CONF
  cat >"$dir/conf/printers.conf" <<CONF
<DefaultPrinter Syori_Refuser>
State Idle
Accepting No
DeviceURI file:///dev/null
</DefaultPrinter>
<Printer Syori_Sink>
State Idle
Accepting Yes
DeviceURI file:///dev/null
</Printer>
CONF
  "$cupsd" -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
  echo $! >"$dir/cupsd.pid"
  for _ in $(seq 50); do
    if [ -S "$dir/cups.sock" ] && lpstat -h "$dir/cups.sock" -r >/dev/null 2>&1; then
      echo "$dir/cups.sock"
      exit 0
    fi
    kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null || break
    sleep 0.1
  done
  cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null || true
  sh "$0" stop "$dir"
  exit 1
  ;;
stop)
  [ -f "$dir/cupsd.pid" ] || exit 0
  pid=$(cat "$dir/cupsd.pid")
  kill "$pid" 2>/dev/null || true
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$dir/cupsd.pid"
  ;;
esac
