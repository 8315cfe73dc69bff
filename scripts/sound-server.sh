#!/usr/bin/env bash
# Runs a command beside a private PulseAudio server whose only output is a
# null sink, so that tests can hear what is played by recording its monitor:
#   scripts/sound-server.sh COMMAND [ARGUMENTS...]
# The command gets its own XDG_RUNTIME_DIR (where clients find the server) and
# HOME; ALSA_CONFIG_PATH, a configuration that routes ALSA's default device and
# mixer to the server whatever HOME a test sets; QV_SOUND_SINK, the sink's
# name; and QV_SOUND_SERVER, the server's address for recorders that must reach
# it whatever their environment. The server ends with the command; servers of
# other users or runs are neither seen nor touched.
set -euo pipefail

sink=qv_test_sink
work=$(mktemp -d /tmp/qv-sound.XXXXXX)
server=""
stop() {
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap stop EXIT

export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home QV_SOUND_SINK=$sink
export QV_SOUND_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native
export ALSA_CONFIG_PATH=$work/asound.conf
unset PULSE_SERVER PULSE_SINK PULSE_SOURCE
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"
cat >"$ALSA_CONFIG_PATH" <<'EOF'
</usr/share/alsa/alsa.conf>
pcm.!default { type pulse }
ctl.!default { type pulse }
EOF

# Meant for a desktop user, it still runs as root (with a warning).
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
  --log-target=file:"$work/pulseaudio.log" \
  --load="module-null-sink sink_name=$sink rate=44100 channels=2" \
  --load=module-native-protocol-unix &
server=$!
for _ in $(seq 100); do
  if pactl info >/dev/null 2>&1; then break; fi
  if ! kill -0 "$server" 2>/dev/null; then
    cat "$work/pulseaudio.log" >&2
    exit 1
  fi
  sleep 0.1
done
pactl set-default-sink "$sink"

"$@"
