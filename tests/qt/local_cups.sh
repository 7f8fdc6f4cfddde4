#!/bin/sh
# A CUPS scheduler of the tests' own, in a folder of theirs: it listens only
# on a socket there and touches nothing of the system's CUPS. Two raw
# queues: Syori_Refuser, the default, does not accept jobs; Syori_Sink
# accepts them and prints into /dev/null.
#   local_cups.sh start DIR   starts it and prints the socket's path; exits
#                             77 where cupsd is not installed, 1 where it
#                             does not come up
#   local_cups.sh stop DIR    ends the scheduler started in DIR
set -eu
dir=$2
case "$1" in
start)
  cupsd=$(command -v cupsd 2>/dev/null || echo /usr/sbin/cupsd)
  [ -x "$cupsd" ] || { echo "cupsd is not installed" >&2; exit 77; }
  command -v lpstat >/dev/null 2>&1 || { echo "cupsd without lpstat (cups-client)" >&2; exit 1; }
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
  # Up when it answers for both queues (lpstat's exit status; -r says "not
  # running" and succeeds). A loaded machine may take long to start it:
  # asked again and again for up to a minute, given up at once if it died.
  deadline=$(($(date +%s) + 60))
  while :; do
    if [ -S "$dir/cups.sock" ] && timeout 20 lpstat -h "$dir/cups.sock" -a Syori_Refuser Syori_Sink >/dev/null 2>&1; then
      echo "$dir/cups.sock"
      exit 0
    fi
    if ! kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null; then
      echo "cupsd ended before it answered" >&2
      break
    fi
    if [ "$(date +%s)" -ge "$deadline" ]; then
      echo "cupsd did not answer within 60 seconds" >&2
      break
    fi
    sleep 0.2
  done
  cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null || true
  sh "$0" stop "$dir"
  exit 1
  ;;
stop)
  [ -f "$dir/cupsd.pid" ] || exit 0
  pid=$(cat "$dir/cupsd.pid")
  kill "$pid" 2>/dev/null || true
  # A loaded machine may take its time; one that never ends is killed.
  for _ in $(seq 150); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  if kill -0 "$pid" 2>/dev/null; then kill -9 "$pid" 2>/dev/null || true; fi
  rm -f "$dir/cupsd.pid"
  ;;
esac
