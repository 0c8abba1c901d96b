#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh
cmake -S . -B build-tests -DOVCL_BUILD_TESTS=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-tests -j"$(nproc)"

# The fuzz targets build with clang and its sanitizers; running them is a manual step.
CXX=clang++ cmake -S . -B build-fuzz -DOVCL_BUILD_TESTS=OFF -DOVCL_BUILD_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_profile fuzz_downloaded_text fuzz_keyvalues fuzz_server_reply

export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox --disable-gpu"
ctest --test-dir build-tests --output-on-failure -j"$(nproc)"
