#!/usr/bin/env bash
# The player beside the mpv command-line player on the same files, in one
# run; mpv three times: with no options, with --vo=x11 (its cheapest output)
# and with --vo=gpu --gpu-sw=yes (OpenGL, also where it is only emulated):
#  - the sample disc: the program's windows play the first entry, then Next
#    is pressed 100 times (each entry shown for DWELL ms); mpv plays the same
#    file and then a play list of the same 100 segments;
#  - a 1280x720 MPEG-4 clip in a window of its own size and in full screen,
#    and a 1920x1080 H.264 clip in full screen (the playback control alone);
#  - the real program playing the 1280x720 clip as an entry of a disc image
#    (the sample disc with that clip in place of its 640x480 one), mounted
#    with fuseiso in a mount namespace of its own (needs root).
# For each: time to first frame, CPU while playing, resident size at the first
# frame, while playing and after the changes, peak resident size, and frames
# dropped by the decoder and the video output. The screen is 1920x1080.
#   scripts/measure_playback.sh [auto|opengl|software]
# auto (the default): the program draws as it would choose on this machine;
# opengl or software force its way, as the [Player] Video setting does.
# Sound: all look for the system's output the same way and play on in
# silence without one, as the player sets up its engine.
# The table is printed and written to $MEASURE_OUT (build/measure_playback.txt).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
mode=${1:-auto}
out=${MEASURE_OUT:-$build/measure_playback.txt}
window=${MEASURE_SECONDS:-6} # CPU is sampled over this many seconds
settle=2                     # ... after this many seconds of playing
changes=${MEASURE_CHANGES:-100}
dwell=${MEASURE_DWELL_MS:-300}
play=$((settle + window + 1)) # seconds the first file plays

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s '-screen 0 1920x1080x24' "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ninja -C "$build" -j2 measure_playback make_sample_disc Quorvix_Player >/dev/null
"$build/tools/make_sample_disc" "$work/disc" --iso "$work/disc.iso"
ffmpeg -v error -nostdin -y -f lavfi -i testsrc2=size=1280x720:rate=25 -f lavfi -i sine \
  -t $((play + 6)) -c:v mpeg4 -vtag DIVX -q:v 5 -c:a libmp3lame "$work/clip720.AVI"
# The sample disc's entry "Street at night" plays all of CLIP02.
cp -r "$work/disc" "$work/disc720"
cp "$work/clip720.AVI" "$work/disc720/Video/CLIP02.AVI"
genisoimage -quiet -J -R -V QUORVIX_1 -o "$work/disc720.iso" "$work/disc720"
ffmpeg -v error -nostdin -y -f lavfi -i testsrc2=size=1920x1080:rate=25 -f lavfi -i sine \
  -t $((play + 2)) -c:v libx264 -preset veryfast -pix_fmt yuv420p -c:a aac "$work/clip1080.mp4"
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data \
  XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

case $mode in
auto) ours_render=() ;;
opengl | software) ours_render=("--$mode") ;;
*)
  echo "usage: $0 [auto|opengl|software]" >&2
  exit 2
  ;;
esac
# mpv's outputs, by the column name: options.
mpv_outputs=(plain x11 gpu-sw)
mpv_options() {
  case $1 in
  plain) ;;
  x11) echo --vo=x11 ;;
  gpu-sw) echo --vo=gpu --gpu-sw=yes ;;
  esac
}

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
  for _ in $(seq 300); do
    grep -q "$2" "$1" 2>/dev/null && return 0
    sleep 0.1
  done
  echo "no '$2' in $1" >&2
  return 1
}
value() { awk -v k="$2" '$1 == k { print $2 }' "$1"; }

# mpv reports the same figures as the measuring tool, from inside, to a file.
cat >"$work/figures.lua" <<'EOF'
local out = io.open(os.getenv("MEASURE_FIGURES"), "w")
local function put(key, value) out:write(string.format("%s %.1f\n", key, value)) out:flush() end
local function status_mb(key)
  for line in io.lines("/proc/self/status") do
    local kb = line:match("^" .. key .. ":%s+(%d+)")
    if kb then return tonumber(kb) / 1024 end
  end
end
local first = true
mp.register_event("playback-restart", function()
  if not first then return end
  first = false
  put("rss_first_frame_mb", status_mb("VmRSS"))
  mp.add_timeout(tonumber(os.getenv("MEASURE_PLAY")) - 1, function()
    put("rss_playing_mb", status_mb("VmRSS"))
  end)
end)
-- The counts start again with each file; the totals carry on.
local totals = {}
for _, name in ipairs({ "frame-drop-count", "vo-drop-frame-count" }) do
  local t = { last = 0, total = 0 }
  totals[name] = t
  mp.observe_property(name, "number", function(_, v)
    v = v or 0
    t.total = t.total + (v >= t.last and v - t.last or v)
    t.last = v
  end)
end
-- A file that loops plays until the measuring is done.
local quit_after = tonumber(os.getenv("MEASURE_QUIT_AFTER") or "")
if quit_after then mp.add_timeout(quit_after, function() mp.command("quit") end) end
mp.register_event("shutdown", function()
  put("rss_after_changes_mb", status_mb("VmRSS"))
  put("peak_rss_mb", status_mb("VmHWM"))
  put("frame_drop_count", totals["frame-drop-count"].total)
  put("vo_drop_frame_count", totals["vo-drop-frame-count"].total)
end)
EOF

# Runs the measuring tool; its figures, CPU added, go to $work/NAME.ours.
measure_ours() { # name tool-arguments...
  local name=$1 pid
  shift
  "$build/tools/measure_playback" "$@" >"$work/$name.ours" 2>"$work/$name.ours.log" &
  pid=$!
  wait_for_line "$work/$name.ours" first_frame_ms
  echo "cpu_percent $(cpu_percent "$pid")" >>"$work/$name.ours.cpu"
  wait "$pid"
  cat "$work/$name.ours.cpu" >>"$work/$name.ours"
}
# Runs mpv with one output; its figures go to $work/NAME.OUTPUT.
measure_mpv_output() { # output name mpv-arguments...
  local output=$1 name=$2 pid figures
  shift 2
  figures=$work/$name.$output
  # shellcheck disable=SC2046 # the output's options are words
  MEASURE_FIGURES=$figures MEASURE_PLAY=$play \
    mpv --no-config --really-quiet $(mpv_options "$output") --audio-fallback-to-null=yes \
    --script="$work/figures.lua" --log-file="$figures.log" "$@" >/dev/null 2>&1 &
  pid=$!
  wait_for_line "$figures" rss_first_frame_mb
  local cpu
  cpu=$(cpu_percent "$pid")
  wait "$pid"
  echo "cpu_percent $cpu" >>"$figures"
  # Its log times the first frame from opening the file.
  awk -F'[][]' '
    /\[file\] Opening/ && !open { open = $2 }
    /first video frame after restart shown/ && !shown { shown = $2 }
    END { printf "first_frame_ms %.1f\n", (shown - open) * 1000 }' \
    "$figures.log" >>"$figures"
}
# Runs mpv with each output in turn.
measure_mpv() { # name mpv-arguments...
  for output in "${mpv_outputs[@]}"; do
    measure_mpv_output "$output" "$@"
  done
}

# The segments that Next walks through on the sample disc, from its first
# entry: file and start (the entry without a file is left out).
segments=("CLIP01 20" "CLIP01 40" "CLIP03 1" "CLIP02 0" "CLIP04 2" "CLIP05 0" "CLIP07 0.5"
  "CLIP01 0")
playlist=(--{ --length="$play" "$work/disc/Video/CLIP01.AVI" --})
for ((i = 0; i < changes; i++)); do
  read -r file start <<<"${segments[i % ${#segments[@]}]}"
  playlist+=(--{ --start="$start" --length="$(awk -v d="$dwell" 'BEGIN { print d / 1000 }')"
    "$work/disc/Video/$file.AVI" --})
done

echo "measuring the sample disc ..." >&2
measure_ours disc --disc "$work/disc" "$play" --changes "$changes" --dwell "$dwell" \
  "${ours_render[@]}"
measure_mpv disc "${playlist[@]}"
echo "measuring 1280x720, 1:1 ..." >&2
measure_ours hd "$work/clip720.AVI" "$play" "${ours_render[@]}"
measure_mpv hd --length="$play" "$work/clip720.AVI"
echo "measuring 1280x720, full screen ..." >&2
measure_ours full "$work/clip720.AVI" "$play" --fullscreen "${ours_render[@]}"
measure_mpv full --fs --length="$play" "$work/clip720.AVI"
echo "measuring 1920x1080 H.264, full screen ..." >&2
measure_ours fhd "$work/clip1080.mp4" "$play" --fullscreen "${ours_render[@]}"
measure_mpv fhd --fs --length="$play" "$work/clip1080.mp4"

# The real program: a mount namespace of its own, so that it sees only this
# disc, and a favourites file that leaves the 1280x720 entry checked.
whole_program() {
  local mnt=$work/mnt config=$XDG_CONFIG_HOME/quorvix-player pid cpu rss peak ns p
  mkdir -p "$mnt" "$config"
  printf '[Volume1]\r\nWorkDir=%s\r\n' "$work" >"$config/QuorvixSample.ini"
  if [ "$mode" != auto ]; then
    printf '[Player]\r\nVideo=%s\r\n' "$mode" >"$config/quorvix-player.ini"
  fi
  for i in 0 1 2 3 4 5 6 7 8; do
    printf '%s\xa4%s\r\n' "$([ $i = 4 ] && echo 1 || echo 0)" "$i"
  done >"$work/Favorites.lst"
  unshare -m --propagation private bash -c '
    awk '\''$0 ~ / - fuse\.fuseiso / { print $5 }'\'' /proc/self/mountinfo |
      while read -r m; do umount -l "$m" 2>/dev/null || true; done
    fuseiso "$1" "$2" && exec "$3"' _ "$work/disc720.iso" "$mnt" "$build/Quorvix_Player" \
    >"$work/whole.log" 2>&1 &
  pid=$!
  sleep 2 # the disc watch finds the disc and the entry starts
  cpu=$(cpu_percent "$pid")
  rss=$(awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status")
  peak=$(awk '/^VmHWM:/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status")
  ns=$(readlink "/proc/$pid/ns/mnt")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  # The fuseiso started in that namespace keeps it alive: it goes too.
  for p in $(pgrep -x fuseiso); do
    if [ "$(readlink "/proc/$p/ns/mnt" 2>/dev/null)" = "$ns" ]; then kill "$p"; fi
  done
  printf 'cpu_percent %s\nrss_playing_mb %s\npeak_rss_mb %s\n' "$cpu" "$rss" "$peak" \
    >"$work/whole.ours"
}
if [ "$(id -u)" = 0 ] && command -v fuseiso >/dev/null && [ -e /dev/fuse ]; then
  echo "measuring the whole program ..." >&2
  whole_program
  MEASURE_QUIT_AFTER=$((play + 1)) measure_mpv whole --loop-file=inf "$work/clip720.AVI"
else
  echo "whole program skipped: needs root, fuseiso and /dev/fuse" >&2
fi

# Changes that never showed a frame, and errors the program would have shown.
cat "$work"/*.ours.log | grep -E '^(no frame|error)' >&2 || true

row() { # label key scenario
  local line figure
  line=$(printf '  %-34s' "$1")
  for column in ours "${mpv_outputs[@]}"; do
    figure=$(value "$work/$3.$column" "$2" 2>/dev/null || true)
    line+=$(printf ' %10s' "${figure:--}")
  done
  printf '%s\n' "$line"
}
scenario() { # title scenario keys...
  local name=$2
  printf '%s\n' "$1"
  shift 2
  for key in "$@"; do
    case $key in
    first_frame_ms) row "first frame (ms)" "$key" "$name" ;;
    cpu_percent) row "CPU while playing (% of a core)" "$key" "$name" ;;
    rss_first_frame_mb) row "RSS at first frame (MB)" "$key" "$name" ;;
    rss_playing_mb) row "RSS while playing (MB)" "$key" "$name" ;;
    rss_after_changes_mb) row "RSS after $changes changes (MB)" "$key" "$name" ;;
    peak_rss_mb) row "peak RSS (MB)" "$key" "$name" ;;
    frame_drop_count) row "frames dropped, decoder" "$key" "$name" ;;
    vo_drop_frame_count) row "frames dropped, output" "$key" "$name" ;;
    esac
  done
}
common=(first_frame_ms cpu_percent rss_first_frame_mb rss_playing_mb)
drops=(peak_rss_mb frame_drop_count vo_drop_frame_count)
drawn=$(value "$work/hd.ours" video_output 2>/dev/null || true)
{
  printf '%-36s %10s %10s %10s %10s\n' "" "program" "mpv" "mpv" "mpv"
  printf '%-36s %10s %10s %10s %10s\n' "" "${drawn:-?}" "" "x11" "gpu-sw"
  scenario "sample disc, first entry 320x240, then $changes changes (${dwell} ms each)" disc \
    "${common[@]}" rss_after_changes_mb "${drops[@]}"
  scenario "1280x720 clip, 1:1 window" hd "${common[@]}" "${drops[@]}"
  scenario "1280x720 clip, full screen" full "${common[@]}" "${drops[@]}"
  scenario "1920x1080 H.264 clip, full screen" fhd "${common[@]}" "${drops[@]}"
  if [ -f "$work/whole.ours" ]; then
    scenario "whole program, 1280x720 entry of a disc image, 1:1" whole cpu_percent \
      rss_playing_mb peak_rss_mb
  fi
} | tee "$out"
