#!/usr/bin/env bash
# A private sound server with a null sink, so the tests that play sound under Wine find a wave
# output device on a machine with no speakers and no sound server of its own.
#
#   sound_server.sh start <folder>               starts one there and waits until it answers
#   sound_server.sh client <folder> program ...  runs the program as its client
#   sound_server.sh stop <folder>                stops the one started there, removes the folder
set -uo pipefail

usage() {
  echo "usage: sound_server.sh start|stop <folder> | client <folder> program [args...]" >&2
  exit 2
}
[ $# -ge 2 ] || usage
action=$1
folder=$2
shift 2
pid_file=$folder/server.pid

# Wine and everything it starts find the server through the runtime folder, and never spawn one
# of their own in its place.
as_client() {
  export XDG_RUNTIME_DIR=$folder/runtime PULSE_CLIENTCONFIG=$folder/client.conf
  export PULSE_SERVER=unix:$folder/runtime/pulse/native
}

stop() {
  [ -f "$pid_file" ] || { rm -rf "$folder"; return 0; }
  local pid
  pid=$(cat "$pid_file")
  # Only the server this script started: the pid file names it, and its command line says so.
  if [ -n "$pid" ] && grep -qa pulseaudio "/proc/$pid/cmdline" 2>/dev/null; then
    kill -TERM "$pid" 2>/dev/null
    # Bounded: a server that ignores the polite signal is killed.
    timeout 5 tail --pid="$pid" -s 0.1 -f /dev/null || kill -KILL "$pid" 2>/dev/null
  fi
  rm -rf "$folder"
}

start() {
  command -v pulseaudio >/dev/null && command -v pactl >/dev/null ||
    { echo "sound_server: pulseaudio or pactl is missing (scripts/setup)"; exit 1; }
  stop  # what an interrupted run left behind
  mkdir -p "$folder" && chmod 700 "$folder" && mkdir -m 700 "$folder/runtime" || exit 1
  echo "autospawn = no" >"$folder/client.conf"
  cat >"$folder/server.pa" <<'PA'
load-module module-native-protocol-unix auth-anonymous=1
load-module module-null-sink sink_name=nullsink
set-default-sink nullsink
PA
  as_client
  # Its own session, and no file of the caller's left open, so it outlives the test that started
  # it and the test runner does not wait for it.
  setsid pulseaudio -n -F "$folder/server.pa" --exit-idle-time=-1 --daemonize=no \
    --log-target=stderr </dev/null >"$folder/server.log" 2>&1 &
  echo $! >"$pid_file"
  for _ in $(seq 100); do
    if pactl info >/dev/null 2>&1; then
      echo "sound_server: running in $folder"
      return 0
    fi
    kill -0 "$(cat "$pid_file")" 2>/dev/null || break
    sleep 0.1
  done
  cat "$folder/server.log"
  echo "sound_server: the server did not start"
  stop
  exit 1
}

case "$action" in
  start) [ $# -eq 0 ] || usage; start ;;
  stop) [ $# -eq 0 ] || usage; stop ;;
  client)
    [ $# -ge 1 ] || usage
    as_client
    exec "$@"
    ;;
  *) usage ;;
esac
