#!/usr/bin/env bash
# Starts the real launcher against the demo community server on a virtual
# screen (not a first run) and prints, one per line: seconds from exec to the
# first window being mapped and to the main window being mapped, resident
# memory of the launcher and its browser processes after 5 s (summed and
# proportional), CPU seconds over 20 s of idling, the longest stall of the
# user-interface thread after the main window appeared (engine start-up, first
# page loads, fonts and pictures included), and the longest stall while the
# web server accepts connections and never answers (during start-up, a counter
# tick and a click on the Update picture), the seconds from the main window
# mapped to every answering game server's lamp lit, and the time the
# user-interface thread spends on a refresh of the fourteen game servers.
#
# OVCL_DEMO_PORT and OVCL_BENCH_DISPLAY choose the port and the virtual screen.
set -euo pipefail
cd "$(dirname "$0")/.."

PORT="${OVCL_DEMO_PORT:-18080}"
HOST="127.0.0.1:${PORT}"
B=build-bench

tools/setup.sh
command -v xwininfo >/dev/null || { apt-get install -y -q x11-utils >/dev/null; }
cmake -S . -B $B -DOVCL_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=Release \
  -DOVCL_WEB_HOST="$HOST" -DOVCL_SITE_HOST="$HOST" -DOVCL_FORUM_HOST="$HOST" -DOVCL_AUTHOR_URL="http://$HOST/" \
  -DOVCL_GAME_HOST_1=127.0.0.1 -DOVCL_GAME_HOST_2=127.0.0.1 -DOVCL_GAME_HOST_3=127.0.0.1 \
  -DOVCL_GAME_HOST_4=127.0.0.1 -DOVCL_GAME_HOST_5=127.0.0.1 -DOVCL_GAME_HOST_6=127.0.0.1 >/dev/null
cmake --build $B -j"$(nproc)" --target ovcl ovcl_demo_server ovcl_stall_probe ovcl_map_watch ovcl_query_bench >/dev/null

export QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox --disable-gpu"
app=$(mktemp -d)
cp $B/ovcl "$app/"
cp -r assets/sounds "$app/"
printf '[Setting]\r\nfirst=false\r\nnotshow=true\r\n' > "$app/data.dat"

SCREEN="${OVCL_BENCH_DISPLAY:-:93}"
Xvfb "$SCREEN" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
$B/tools/demo_server/ovcl_demo_server --port "$PORT" >/dev/null 2>&1 &
server=$!
# Waits for the processes too, so that the next run finds the display free.
trap 'kill $xvfb $server ${launcher:-} ${watch:-} 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$app"' EXIT
export DISPLAY="$SCREEN"
# The screen and the server are up before the launcher starts.
for _ in $(seq 100); do
  xwininfo -root >/dev/null 2>&1 && (exec 3<>"/dev/tcp/127.0.0.1/$PORT") 2>/dev/null && break
  sleep 0.1
done

tree() { # the pid and all its descendants
  local all=("$1") i=0
  while [ $i -lt ${#all[@]} ]; do
    for c in $(pgrep -P "${all[$i]}" || true); do all+=("$c"); done
    i=$((i + 1))
  done
  echo "${all[@]}"
}
# Resident memory summed over the processes counts the pages they share (the
# engine's libraries, the zygote's copy-on-write pages) once per process; the
# proportional figure divides each shared page among its sharers.
rss_kb() { local s=0; for p in $(tree "$1"); do s=$((s + $(awk '/VmRSS/ {print $2}' /proc/$p/status 2>/dev/null || echo 0))); done; echo $s; }
pss_kb() { local s=0; for p in $(tree "$1"); do s=$((s + $(awk '/^Pss:/ {print $2}' /proc/$p/smaps_rollup 2>/dev/null || echo 0))); done; echo $s; }
# Nanoseconds spent running, to the nanosecond (the clock ticks of
# /proc/PID/stat count only hundredths of a second).
cpu_ns() { local s=0; for p in $(tree "$1"); do s=$((s + $(awk '{print $1}' /proc/$p/schedstat 2>/dev/null || echo 0))); done; echo $s; }
since() { echo "$1 - $t0" | bc -l | awk '{printf "%.3f", $1}'; }

# The map watcher hears of each window as the screen maps it; nothing polls
# the screen while the launcher starts.
maps="$app/maps"
$B/bench/ovcl_map_watch 30 "OVCL: Inicializace / initialization " "Orvanta Game Client - 1.8.3" >"$maps" &
watch=$!
until grep -qs ready "$maps"; do sleep 0.01; done
t0=$(date +%s.%N)
# Each lamp that changes is logged with the time, to the millisecond.
QT_LOGGING_RULES="ovcl.lamps.debug=true" QT_MESSAGE_PATTERN="%{time yyyy-MM-dd HH:mm:ss.zzz} %{category}: %{message}" \
  "$app/ovcl" >/dev/null 2>"$app/log" &
launcher=$!
while kill -0 $watch 2>/dev/null; do
  kill -0 $launcher 2>/dev/null || { echo "the launcher ended before its main window appeared" >&2; exit 1; }
  sleep 0.05
done
wait $watch || { echo "the main window did not appear within 30 s" >&2; exit 1; }
first=$(awk '$1 == 1 {print $2}' "$maps")
main=$(awk '$1 == 2 {print $2}' "$maps")
[ -n "$first" ] && [ "$(echo "$first < $main" | bc -l)" = 1 ] || first=$main
echo "seconds to the first window mapped: $(since "$first")"
echo "seconds to the main window mapped: $(since "$main")"

sleep 5
# The demo server's game servers answer but one (entry 9, kept down): the
# last of the thirteen lamps to light, from the main window mapped.
lit=$(grep -a 'ovcl.lamps: entry .*: online' "$app/log" | awk '!seen[$5]++ {n++; last = $1 " " $2} END {print n + 0, last}')
if [ "${lit%% *}" -ge 13 ]; then
  echo "seconds from the main window mapped to every answering server's lamp lit (${lit%% *}): $(echo "$(date -d "${lit#* }" +%s.%N) - $main" | bc -l | awk '{printf "%.3f", $1}')"
else
  echo "only ${lit%% *} of 13 lamps lit within 5 s"
fi
echo "resident memory after 5 s: $(( $(rss_kb $launcher) / 1024 )) MB summed, $(( $(pss_kb $launcher) / 1024 )) MB proportional"
c0=$(cpu_ns $launcher)
sleep 20
c1=$(cpu_ns $launcher)
echo "CPU seconds over 20 s idle: $(echo "($c1 - $c0) / 1000000000" | bc -l | awk '{printf "%.3f (%.2f %% of a core)", $1, $1 / 20 * 100}')"
kill $launcher; launcher=
[ -z "${OVCL_BENCH_LOG:-}" ] || cp "$app/log" "$OVCL_BENCH_LOG"
kill $server; wait $server 2>/dev/null || true

# On the virtual screen, as the player would see it.
$B/bench/ovcl_stall_probe "$PORT" served 2>/dev/null
QT_QPA_PLATFORM=offscreen $B/bench/ovcl_stall_probe "$PORT" 2>/dev/null
$B/bench/ovcl_query_bench
