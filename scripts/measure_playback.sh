#!/usr/bin/env bash
# Plays the same 640x480 clip in the player's playback control and in the mpv
# command-line player, with matching outputs, and prints for each the time
# from loading to the first shown frame and the CPU used while playing.
#   scripts/measure_playback.sh [opengl|software] [CLIP]
# opengl: both draw with OpenGL (mpv --vo=gpu); software: the control's
# software renderer against mpv --vo=x11. Sound goes nowhere (ao=null) in mpv;
# the control plays into the system's sound output, so measure where none
# opens (no sound server, no card) to compare like with like.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
mode=${1:-opengl}
window=${MEASURE_SECONDS:-6} # CPU is sampled over this many seconds
settle=2                     # ... after this many seconds of playing

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s '-screen 0 1280x1024x24' "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
clip=${2:-$work/clip640.AVI}
if [ ! -f "$clip" ]; then
  ffmpeg -v error -y -f lavfi -i testsrc=size=640x480:rate=25 -f lavfi -i sine \
    -t $((settle + window + 4)) -c:v mpeg4 -vtag DIVX -c:a libmp3lame "$clip"
fi
[ -x "$build/tools/measure_playback" ] || ninja -C "$build" -j2 measure_playback >/dev/null

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# CPU of a running process over the measuring window, in percent of one core.
cpu_percent() {
  local pid=$1 before after
  sleep "$settle"
  before=$(ticks "$pid")
  sleep "$window"
  after=$(ticks "$pid")
  awk -v a="$before" -v b="$after" -v hz="$(getconf CLK_TCK)" -v s="$window" \
    'BEGIN { printf "%.1f", (b - a) * 100 / (hz * s) }'
}
wait_for_line() { # file pattern
  for _ in $(seq 100); do
    grep -q "$2" "$1" 2>/dev/null && return 0
    sleep 0.1
  done
  echo "no '$2' in $1" >&2
  return 1
}

# The player's control.
ours_args=("$clip" $((settle + window + 2)))
[ "$mode" = software ] && ours_args+=(--software)
"$build/tools/measure_playback" "${ours_args[@]}" >"$work/ours.txt" 2>/dev/null &
ours_pid=$!
wait_for_line "$work/ours.txt" first_frame_ms
ours_cpu=$(cpu_percent "$ours_pid")
kill "$ours_pid" 2>/dev/null || true
wait "$ours_pid" 2>/dev/null || true
ours_first=$(awk '/first_frame_ms/ {print $2}' "$work/ours.txt")
ours_render=$(awk '/render/ {print $2}' "$work/ours.txt")

# The command-line player; its log times the first frame from opening the file.
if [ "$mode" = software ]; then vo=(--vo=x11); else vo=(--vo=gpu --gpu-sw=yes); fi
mpv --no-config --really-quiet "${vo[@]}" --ao=null --hwdec=no --geometry=640x480 \
  --log-file="$work/mpv.log" "$clip" >/dev/null 2>&1 &
mpv_pid=$!
mpv_cpu=$(cpu_percent "$mpv_pid")
kill "$mpv_pid" 2>/dev/null || true
wait "$mpv_pid" 2>/dev/null || true
mpv_first=$(awk -F'[][]' '
  /\[file\] Opening/ && !open { open = $2 }
  /first video frame after restart shown/ && !shown { shown = $2 }
  END { printf "%.1f", (shown - open) * 1000 }' "$work/mpv.log")

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }
printf '%-28s %12s %12s %8s\n' "" "control" "mpv" "ratio"
printf '%-28s %12s %12s %8s\n' "render" "$ours_render" "${vo[0]#--vo=}" ""
printf '%-28s %12s %12s %8s\n' "first frame (ms)" "$ours_first" "$mpv_first" \
  "$(ratio "$ours_first" "$mpv_first")"
printf '%-28s %12s %12s %8s\n' "CPU while playing (% core)" "$ours_cpu" "$mpv_cpu" \
  "$(ratio "$ours_cpu" "$mpv_cpu")"
