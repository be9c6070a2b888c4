# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the scripts: a private PulseAudio server with a null sink, an Xvfb display with an optional
# window manager, all stopped by PID when the calling script exits. Source it, then call the functions.

session_dir=$(mktemp -d /tmp/giochi-session.XXXXXX)
session_pids=()

session_stop() {
  local pid
  for pid in "${session_pids[@]:-}"; do [ -n "$pid" ] && kill "$pid" 2>/dev/null || true; done
  for pid in "${session_pids[@]:-}"; do [ -n "$pid" ] && wait "$pid" 2>/dev/null || true; done
  rm -rf "$session_dir"
}
trap session_stop EXIT

# Starts the sound server and exports PULSE_SERVER; returns non-zero when no server could be started.
session_start_sound() {
  mkdir -p -m 700 "$session_dir/xdg"
  export XDG_RUNTIME_DIR=$session_dir/xdg
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --system=false --log-target=file:"$session_dir/pa.log" \
    --load="module-null-sink sink_name=nullsink rate=44100 channels=2" \
    --load="module-native-protocol-unix socket=$session_dir/native auth-anonymous=1" >/dev/null 2>&1 &
  session_pids+=($!)
  export PULSE_SERVER=unix:$session_dir/native
  local _
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
  if ! pactl info >/dev/null 2>&1; then
    unset PULSE_SERVER
    return 1
  fi
  # Without a low-latency client the null sink plays streams at a fraction of real time.
  pacat --latency-msec=10 --rate=44100 --channels=2 --format=s16le /dev/zero >/dev/null 2>&1 &
  session_pids+=($!)
}

# Records what the null sink plays into FILE.wav until the session stops.
session_record() {
  parec -d nullsink.monitor --file-format=wav "$1" >/dev/null 2>&1 &
  session_pids+=($!)
}

# Starts Xvfb (1280x1024) and exports DISPLAY; with "wm", openbox too.
session_start_display() {
  local n=$((90 + RANDOM % 100)) _
  while [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  export DISPLAY=:$n
  Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  session_pids+=($!)
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  if [ "${1:-}" = "wm" ]; then
    openbox >/dev/null 2>&1 &
    session_pids+=($!)
    sleep 0.5
  fi
}
