#!/usr/bin/env bash
# The sound a saver run really makes. A private sound server with a null sink stands in for the
# speakers; its monitor is recorded while the driver runs the host and renderer under Wine, and
# the recording is lined up with the times the driver reports:
#   an MP3 is heard, starts again within about a second of its end, and stops after Escape;
#   a wave loops without a pause and stops after Escape; with no music chosen nothing is heard,
#   though a music file is still named in the settings; an MP3 rests while the display is off
#   and while paused by the Play/Pause key, its stream closed, rises as it comes back and falls
#   before it stops.
#
#   real_sound_test.sh <wine-run> <sound_run_driver.exe>
#
# Set DRIFTMANTLE_KEEP_SOUND=1 to keep the recordings (the folder is printed).
set -uo pipefail

wine_run=$1
driver=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

readonly rate=44100 channels=2
readonly mp3_seconds=2 wav_seconds=1.5
readonly mp3_run=7 wav_run=5 none_run=3  # seconds of snow before Escape
readonly rest_seconds=30                  # long enough never to end during its run
# Snow, then the display off and on again, then Play/Pause twice, each followed by its while.
readonly rest_run=2.5 rest_steps="off:3,on:2.5,key:2.5,key:2.5"
readonly tail_seconds=1.5                # recorded after the host ends, to show the silence lasts
readonly wine_timeout=60

for tool in pulseaudio pactl pacat parec sox lame python3; do
  command -v "$tool" >/dev/null || { echo "real_sound: $tool is missing (scripts/setup)"; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/driftmantle-sound.XXXXXX") || exit 1
server=$work/server
# Every sound client, Wine included, runs through this to reach the test's own server.
as_client=("$here/sound_server.sh" client "$server")
keeper_pid="" recorder_pid="" streams_pid=""

stop_pid() {
  local pid=$1 signal=$2
  [ -n "$pid" ] || return 0
  kill "-$signal" "$pid" 2>/dev/null
  # Bounded: a process that ignores the polite signal is killed.
  local tries=0
  while kill -0 "$pid" 2>/dev/null && [ $tries -lt 50 ]; do
    sleep 0.1
    tries=$((tries + 1))
  done
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}

cleanup() {
  stop_pid "$streams_pid" TERM
  stop_pid "$recorder_pid" INT
  stop_pid "$keeper_pid" TERM
  "$here/sound_server.sh" stop "$server"
  if [ "${DRIFTMANTLE_KEEP_SOUND:-0}" = 1 ]; then
    echo "real_sound: recordings kept in $work"
  else
    rm -rf "$work"
  fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail() {
  echo "real_sound: $*"
  exit 1
}

now() { date +%s.%N; }

"$here/sound_server.sh" start "$server" || fail "the sound server did not start"

# A null sink with nothing playing goes idle and its monitor delivers nothing, which would drop
# the very silences under test from the recording. A low-latency stream of zeros keeps it running
# and its monitor in step with the clock.
"${as_client[@]}" pacat --playback --raw --format=s16le --rate=$rate --channels=$channels \
  --latency-msec=20 /dev/zero >"$work/keeper.log" 2>&1 &
keeper_pid=$!
running=0
for _ in $(seq 100); do
  if "${as_client[@]}" pactl list sinks short 2>/dev/null | grep -q RUNNING; then running=1; break; fi
  sleep 0.05
done
[ $running = 1 ] || { cat "$work/keeper.log"; fail "the null sink did not start running"; }
# The keeper's own stream, which every count of the program's streams leaves out.
keeper_stream=$("${as_client[@]}" pactl list sink-inputs short | awk 'NR == 1 {print $1}')
[ -n "$keeper_stream" ] || fail "the keeper's stream is not listed"

# Every 50 ms, the time and how many streams other than the keeper's are open, until stopped.
watch_streams() {
  while :; do
    printf '%s %s\n' "$(now)" "$("${as_client[@]}" pactl list sink-inputs short 2>/dev/null |
      awk -v keeper="$keeper_stream" '$1 != keeper' | wc -l)"
    sleep 0.05
  done
}

# The music: a 440 Hz tone as an MP3 and as a wave.
sox -q -n -r $rate -c 2 -b 16 "$work/tone.wav" synth $wav_seconds sine 440 vol 0.35 || fail "sox"
sox -q -n -r $rate -c 2 -b 16 "$work/tone-for-mp3.wav" synth $mp3_seconds sine 440 vol 0.35 ||
  fail "sox"
lame --quiet -b 128 "$work/tone-for-mp3.wav" "$work/tone.mp3" || fail "lame"
sox -q -n -r $rate -c 2 -b 16 "$work/long-for-mp3.wav" synth $rest_seconds sine 440 vol 0.35 ||
  fail "sox"
lame --quiet -b 128 "$work/long-for-mp3.wav" "$work/long.mp3" || fail "lame"

windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# One saver run recorded and judged as music (none, mp3, wav or rest) sounds: lang is the locale
# Wine takes its code page from, kind and file the settings' music source and file, steps what
# happens after the first while of snow. Returns non-zero on a failure.
recorded_run() {
  local music=$1 lang=$2 kind=$3 file=$4 run_seconds=$5 music_seconds=${6:-0} steps=${7:-}
  local recording="$work/$music.raw" times="$work/$music.times" log="$work/$music.log"

  local launched flowing=0
  launched=$(now)
  "${as_client[@]}" parec --device=nullsink.monitor --raw --format=s16le --rate=$rate --channels=$channels \
    --latency-msec=20 "$recording" 2>"$work/$music.parec.log" &
  recorder_pid=$!
  # Wait for samples to flow, so the run starts well inside the recording. The first recording
  # after the server's start can take a couple of seconds to begin.
  for _ in $(seq 1000); do
    if [ -s "$recording" ]; then flowing=$(now); break; fi
    sleep 0.01
  done
  if [ "$flowing" = 0 ]; then
    stop_pid "$recorder_pid" INT
    recorder_pid=""
    cat "$work/$music.parec.log"
    echo "real_sound: $music: the recorder delivered nothing"
    return 1
  fi

  echo "[$music] LANG=$lang"
  watch_streams >"$work/$music.streams" &
  streams_pid=$!
  env -u LC_ALL LANG="$lang" "${as_client[@]}" "$wine_run" --timeout $wine_timeout "$driver" "$run_seconds" \
    "$(windows_path "$times")" "$kind" "$(windows_path "$file")" ${steps:+"$steps"} >"$log" 2>&1
  local status=$?
  sleep "$tail_seconds"  # the recording's tail: the silence must last after the run
  stop_pid "$streams_pid" TERM
  streams_pid=""
  local stopped
  stopped=$(now)
  stop_pid "$recorder_pid" INT
  recorder_pid=""
  cat "$log"
  if [ $status -ne 0 ] || [ ! -s "$times" ]; then
    echo "real_sound: $music: the driver failed with exit code $status"
    return 1
  fi

  # The first sample's time, counted back from the end: the recorder's own start-up delay is
  # unknown. It must fall just before the first samples were seen (they are written a latency
  # later), or samples were lost and the recording cannot be lined up with the run.
  local start
  start=$(python3 - "$stopped" "$(stat -c %s "$recording")" "$launched" "$flowing" <<EOF
import sys
stopped, size, launched, flowing = map(float, sys.argv[1:])
start = stopped - size / ($rate * $channels * 2)
print(f"{start:.3f}")
print(f"[$music] first sample {start - launched:+.3f} s from the recorder's launch,",
      f"{start - flowing:+.3f} s from the first samples seen", file=sys.stderr)
sys.exit(0 if flowing - 0.15 <= start <= flowing + 0.05 else 1)
EOF
  ) || {
    echo "real_sound: $music: the recording lost samples and cannot be lined up with the run"
    return 1
  }

  python3 "$here/recording_analysis.py" "$music" "$recording" "$start" "$times" \
    --music-seconds "$music_seconds" --streams "$work/$music.streams"
}

began=$SECONDS
failures=0
# The music folder's name is in the system's code page: Japanese for one file, Western for the
# other.
recorded_run mp3 ja_JP.UTF-8 2 "$work/tone.mp3" $mp3_run $mp3_seconds || failures=$((failures + 1))
recorded_run wav C.UTF-8 2 "$work/tone.wav" $wav_run $wav_seconds || failures=$((failures + 1))
recorded_run none C.UTF-8 0 "$work/tone.mp3" $none_run || failures=$((failures + 1))
recorded_run rest C.UTF-8 2 "$work/long.mp3" $rest_run $rest_seconds "$rest_steps" ||
  failures=$((failures + 1))
echo "real_sound: $((SECONDS - began)) s for four recorded runs, $failures failed"
[ $failures -eq 0 ]
