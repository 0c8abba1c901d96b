#!/usr/bin/env bash
# Installs what is missing, builds the launcher against the local demo
# community server and game servers (all on 127.0.0.1; the game servers keep
# the catalogue's ports), starts that server and runs the launcher.
# OVCL_DEMO_GAME_FAIL=[ENTRY=]MODE makes game servers answer badly;
# OVCL_DEMO_FILL=ENTRY[=SECONDS] keeps a server full and frees a slot in turns.
set -euo pipefail
cd "$(dirname "$0")/.."

PORT="${OVCL_DEMO_PORT:-18080}"
HOST="127.0.0.1:${PORT}"

tools/setup.sh
cmake -S . -B build-demo -DOVCL_BUILD_TESTS=OFF \
  -DOVCL_WEB_HOST="$HOST" -DOVCL_SITE_HOST="$HOST" -DOVCL_FORUM_HOST="$HOST" \
  -DOVCL_AUTHOR_URL="http://$HOST/" \
  -DOVCL_GAME_HOST_1=127.0.0.1 -DOVCL_GAME_HOST_2=127.0.0.1 -DOVCL_GAME_HOST_3=127.0.0.1 \
  -DOVCL_GAME_HOST_4=127.0.0.1 -DOVCL_GAME_HOST_5=127.0.0.1 -DOVCL_GAME_HOST_6=127.0.0.1
cmake --build build-demo -j"$(nproc)" --target ovcl ovcl_demo_server

build-demo/tools/demo_server/ovcl_demo_server --port "$PORT" ${OVCL_DEMO_FAIL:+--fail "$OVCL_DEMO_FAIL"} \
  ${OVCL_DEMO_GAME_FAIL:+--game-fail "$OVCL_DEMO_GAME_FAIL"} ${OVCL_DEMO_FILL:+--fill "$OVCL_DEMO_FILL"} &
server=$!
trap 'kill $server 2>/dev/null || true' EXIT

# The embedded browser refuses to run as root without this.
if [ "$(id -u)" -eq 0 ]; then
  export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:-} --no-sandbox"
fi

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  build-demo/ovcl
else
  echo "No display found: running the launcher on a virtual screen (xvfb-run)."
  xvfb-run -a -s "-screen 0 1280x1024x24" build-demo/ovcl
fi
