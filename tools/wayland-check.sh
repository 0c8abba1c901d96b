#!/usr/bin/env bash
# Runs the launcher on native Wayland the way a player of a wlroots desktop
# gets it, and checks what that player would see. Usage:
#
#   tools/wayland-check.sh [WORK]      (WORK: build-wayland-check by default)
#
# It builds the launcher against the local demo server into WORK/build, then
# starts a headless sway with waybar's tray (StatusNotifierItem over D-Bus)
# and a VNC server for the pointer, the demo server and the launcher with
# QT_QPA_PLATFORM=wayland, and checks:
#   1. the new-version dialog floats over the main window;
#   2. the tray item is registered with org.kde.StatusNotifierWatcher;
#   3. after a join click (sway cannot minimise) and a click on the tray item
#      the status page region is not blank.
# Screenshots go to WORK/shots. The compositor does not run as root: run as
# root, the check makes the user ovclcheck and runs the session as that user.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
WORK="$(mkdir -p "${1:-$ROOT/build-wayland-check}" && cd "${1:-$ROOT/build-wayland-check}" && pwd)"
PORT="${OVCL_CHECK_PORT:-18093}"
VNC_PORT="${OVCL_CHECK_VNC_PORT:-5993}"
CHECK_USER=ovclcheck
MAIN_TITLE="Orvanta Game Client - 1.8.3"
DIALOG_TITLE="New version of OVCL avaible!"

if [ "${2:-}" != "--session" ]; then
  for tool in sway waybar wayvnc grim gdbus dbus-run-session python3; do
    command -v "$tool" >/dev/null || { echo "wayland check: $tool is missing (tools/setup.sh installs it)"; exit 1; }
  done
  HOST="127.0.0.1:$PORT"
  cmake -S "$ROOT" -B "$WORK/build" -DOVCL_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DOVCL_WEB_HOST="$HOST" -DOVCL_SITE_HOST="$HOST" -DOVCL_FORUM_HOST="$HOST" -DOVCL_AUTHOR_URL="http://$HOST/" \
    -DOVCL_GAME_HOST_1=127.0.0.1 -DOVCL_GAME_HOST_2=127.0.0.1 -DOVCL_GAME_HOST_3=127.0.0.1 \
    -DOVCL_GAME_HOST_4=127.0.0.1 -DOVCL_GAME_HOST_5=127.0.0.1 -DOVCL_GAME_HOST_6=127.0.0.1 \
    >"$WORK/configure.log"
  cmake --build "$WORK/build" -j"$(nproc)" --target ovcl ovcl_demo_server >"$WORK/build.log"

  # The launcher keeps its files in its own folder; a game that notes its arguments.
  rm -rf "$WORK/app" "$WORK/shots"
  mkdir -p "$WORK/app" "$WORK/shots"
  cp "$WORK/build/ovcl" "$WORK/app/"
  cp -r "$ROOT/assets/sounds" "$WORK/app/"
  printf '#!/bin/sh\necho "$@" >"$(dirname "$0")/joined"\n' >"$WORK/app/game"
  chmod +x "$WORK/app/game"
  printf '[Setting]\r\nfirst=false\r\ncsloc=%s\r\n' "$WORK/app/game" >"$WORK/app/data.dat"

  if [ "$(id -u)" -eq 0 ]; then
    id "$CHECK_USER" >/dev/null 2>&1 || useradd -m -s /bin/sh "$CHECK_USER"
    chown -R "$CHECK_USER" "$WORK/app" "$WORK/shots"
    # Every folder above WORK must let the user through.
    d="$WORK"
    while [ "$d" != / ]; do chmod o+x "$d" 2>/dev/null || true; d="$(dirname "$d")"; done
    exec runuser -u "$CHECK_USER" -- dbus-run-session -- "$ROOT/tools/wayland-check.sh" "$WORK" --session
  fi
  exec dbus-run-session -- "$ROOT/tools/wayland-check.sh" "$WORK" --session
fi

# ---- inside the session, as a normal user, on a session bus of its own ----
SESSION="$(cd "$(dirname "$0")" && pwd)/wayland/session.py"
export XDG_RUNTIME_DIR="$(mktemp -d)"
chmod 700 "$XDG_RUNTIME_DIR"
LOG="$WORK/shots"
pids=()
finish() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$XDG_RUNTIME_DIR"
}
trap finish EXIT
waitfor() { # seconds, description, command...
  local left=$(($1 * 5)) what="$2"
  shift 2
  until "$@" >/dev/null 2>&1; do
    left=$((left - 1))
    [ $left -gt 0 ] || { echo "FAIL: $what"; return 1; }
    sleep 0.2
  done
}

cat >"$XDG_RUNTIME_DIR/sway.conf" <<EOF
output HEADLESS-1 resolution 1920x1080
default_border normal
EOF
cat >"$XDG_RUNTIME_DIR/waybar.json" <<EOF
{ "position": "top", "height": 26, "modules-right": ["tray"], "tray": { "spacing": 4 } }
EOF
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  sway -c "$XDG_RUNTIME_DIR/sway.conf" >"$LOG/sway.log" 2>&1 &
pids+=($!)
waitfor 20 "sway starts" test -S "$XDG_RUNTIME_DIR/wayland-1"
export WAYLAND_DISPLAY=wayland-1
SWAYSOCK="$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock)"
export SWAYSOCK

watcher() { gdbus call --session --dest org.kde.StatusNotifierWatcher --object-path /StatusNotifierWatcher \
  --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher "$1"; }
waybar -c "$XDG_RUNTIME_DIR/waybar.json" >"$LOG/waybar.log" 2>&1 &
pids+=($!)
waitfor 20 "waybar's tray host is up" watcher IsStatusNotifierHostRegistered
wayvnc 127.0.0.1 "$VNC_PORT" >"$LOG/wayvnc.log" 2>&1 &
pids+=($!)
# The game servers answer too, so a click on a server joins it at once.
"$WORK/build/tools/demo_server/ovcl_demo_server" --port "$PORT" >"$LOG/demo_server.log" 2>&1 &
pids+=($!)
waitfor 20 "the demo server answers" bash -c "exec 3<>/dev/tcp/127.0.0.1/$PORT"
waitfor 20 "the VNC server answers" bash -c "exec 3<>/dev/tcp/127.0.0.1/$VNC_PORT"

QT_QPA_PLATFORM=wayland QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox --disable-gpu" \
  "$WORK/app/ovcl" >"$LOG/ovcl.log" 2>&1 &
pids+=($!)

failed=0
check() { # description, command...
  local what="$1"
  shift
  if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; failed=1; fi
}

waitfor 90 "the new-version dialog comes up" python3 "$SESSION" window "$DIALOG_TITLE"
sleep 1
grim "$LOG/new-version.png"
check "the new-version dialog floats over the main window" python3 "$SESSION" over "$DIALOG_TITLE" "$MAIN_TITLE"
swaymsg "[title=\"^New version\"] kill" >/dev/null
swaymsg "[title=\"^Orvanta - Novinky\"] kill" >/dev/null || true
sleep 1

items="$(watcher RegisteredStatusNotifierItems || true)"
echo "tray items: $items"
check "the tray item is registered" grep -q "StatusNotifierItem\|/org/ayatana\|:1\." <<<"$items"

read -r mx my mw mh _ < <(python3 "$SESSION" window "$MAIN_TITLE")
shot() { grim -t ppm "$XDG_RUNTIME_DIR/shot.ppm" && python3 "$SESSION" lively "$XDG_RUNTIME_DIR/shot.ppm" \
  $((mx + 305)) $((my + 180)) 369 418; }
waitfor 60 "the status page shows before the join" shot || failed=1
grim "$LOG/main.png"

# The first server's tile; the launcher would minimise 1.8 s later, which sway refuses.
python3 "$SESSION" click $((mx + 150)) $((my + 122)) "$VNC_PORT"
sleep 3
# What the tray host does on a click on the item.
item="$(grep -o "'[^']*'" <<<"$items" | head -1 | tr -d "'")"
service="${item%%/*}"
path="/${item#*/}"
[ "$path" != "/$item" ] || path=/StatusNotifierItem
gdbus call --session --dest "$service" --object-path "$path" --method org.kde.StatusNotifierItem.Activate 0 0 \
  >/dev/null || echo "(the tray click was not answered)"
sleep 1
grim "$LOG/after-join.png"
check "the join started the game with the server's arguments" grep -q "+connect 127.0.0.1:" "$WORK/app/joined"
check "the status page is not blank after a join and a tray click" shot

[ $failed -eq 0 ] && echo "wayland check passed" || echo "wayland check FAILED (screenshots and logs in $LOG)"
exit $failed
