#!/bin/sh
# Starts a private PulseAudio server with one null sink, "lexi_null", so the
# audio tests can play the effects and record them from lexi_null.monitor
# on a machine without a sound card. Source it before running the tests,
# and call lexi_audio_stop when they are done, pass or fail:
#   . scripts/start-test-audio.sh
#   trap lexi_audio_stop EXIT
# It exports PULSE_SERVER for the processes started afterwards. When no
# server can be started it says so, and the audio tests skip themselves.
# It always ends with success: dash stops a "set -e" script when a sourced
# file's last command fails, even behind "|| true".

# Each run has a folder of its own, so two runs at once never share (or
# stop) each other's server. Its path stays short: a socket path is
# limited to about 100 bytes.
LEXI_AUDIO_DIR=$(mktemp -d "${TMPDIR:-/tmp}/lexiloop-audio.XXXXXX")
LEXI_AUDIO_PID=""

lexi_audio_up() {
  PULSE_SERVER="unix:$LEXI_AUDIO_DIR/native" pactl info >/dev/null 2>&1
}

lexi_audio_start() {
  if ! command -v pulseaudio >/dev/null 2>&1 || ! command -v pactl >/dev/null 2>&1; then
    echo "start-test-audio: pulseaudio or pactl is not installed" >&2
    return 1
  fi
  chmod 700 "$LEXI_AUDIO_DIR" || return 1
  # A per-user server (not --system) works as root too; it only warns. Its
  # runtime folder and home are the private folder, so nothing is left in
  # the real home and no desktop session's server is touched. Anonymous
  # access spares the clients the cookie file.
  XDG_RUNTIME_DIR="$LEXI_AUDIO_DIR" HOME="$LEXI_AUDIO_DIR" pulseaudio \
    --daemonize=yes --system=false --exit-idle-time=-1 -n \
    --use-pid-file=yes --log-target="file:$LEXI_AUDIO_DIR/pulse.log" \
    --load="module-null-sink sink_name=lexi_null" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$LEXI_AUDIO_DIR/native" \
    >/dev/null 2>&1 || return 1
  LEXI_AUDIO_PID=$(cat "$LEXI_AUDIO_DIR/pulse/pid" 2>/dev/null)
  tries=0
  while ! lexi_audio_up; do
    tries=$((tries + 1))
    [ "$tries" -ge 50 ] && return 1
    sleep 0.1
  done
  PULSE_SERVER="unix:$LEXI_AUDIO_DIR/native" pactl set-default-sink lexi_null >/dev/null 2>&1
}

# Stops the server this script started, and only that one, then removes
# its folder. Safe to call more than once, and under "set -e": no command
# in it may fail.
lexi_audio_stop() {
  if [ -n "$LEXI_AUDIO_PID" ] && kill "$LEXI_AUDIO_PID" 2>/dev/null; then
    tries=0
    while kill -0 "$LEXI_AUDIO_PID" 2>/dev/null && [ "$tries" -lt 50 ]; do
      tries=$((tries + 1))
      sleep 0.1
    done
    kill -9 "$LEXI_AUDIO_PID" 2>/dev/null || true
  fi
  LEXI_AUDIO_PID=""
  if [ -n "$LEXI_AUDIO_DIR" ]; then rm -rf "$LEXI_AUDIO_DIR"; fi
  LEXI_AUDIO_DIR=""
  return 0
}

# Without a private server the tests still point at the private socket, so
# that no effect ever sounds through a desktop user's own server.
if lexi_audio_start; then
  echo "start-test-audio: PulseAudio with null sink lexi_null at unix:$LEXI_AUDIO_DIR/native"
else
  echo "start-test-audio: no audio server could be started; audio tests will be skipped" >&2
fi
PULSE_SERVER="unix:$LEXI_AUDIO_DIR/native"
export PULSE_SERVER
unset -f lexi_audio_up lexi_audio_start
:
