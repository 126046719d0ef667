#!/bin/sh
# Starts a private PulseAudio server with one null sink, "lexi_null", so the
# audio tests can play the effects and record them from lexi_null.monitor
# on a machine without a sound card. Source it before running the tests:
#   . scripts/start-test-audio.sh
# It exports PULSE_SERVER for the processes started afterwards. When no
# server can be started it says so, and the audio tests skip themselves.
# It always ends with success: dash stops a "set -e" script when a sourced
# file's last command fails, even behind "|| true".

LEXI_AUDIO_DIR=${LEXI_AUDIO_DIR:-/tmp/lexiloop-test-audio}

lexi_audio_up() {
  PULSE_SERVER="unix:$LEXI_AUDIO_DIR/native" pactl info >/dev/null 2>&1
}

lexi_audio_start() {
  if ! command -v pulseaudio >/dev/null 2>&1 || ! command -v pactl >/dev/null 2>&1; then
    echo "start-test-audio: pulseaudio or pactl is not installed" >&2
    return 1
  fi
  mkdir -p "$LEXI_AUDIO_DIR" && chmod 700 "$LEXI_AUDIO_DIR" || return 1
  lexi_audio_up && return 0
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
  tries=0
  while ! lexi_audio_up; do
    tries=$((tries + 1))
    [ "$tries" -ge 50 ] && return 1
    sleep 0.1
  done
  PULSE_SERVER="unix:$LEXI_AUDIO_DIR/native" pactl set-default-sink lexi_null >/dev/null 2>&1
}

if lexi_audio_start; then
  PULSE_SERVER="unix:$LEXI_AUDIO_DIR/native"
  export PULSE_SERVER
  echo "start-test-audio: PulseAudio with null sink lexi_null at $PULSE_SERVER"
else
  echo "start-test-audio: no audio server could be started; audio tests will be skipped" >&2
fi
unset -f lexi_audio_up lexi_audio_start
:
