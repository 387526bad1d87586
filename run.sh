#!/usr/bin/env bash
# Installs what is missing, builds, makes the demo library and shows it.
set -euo pipefail
cd "$(dirname "$0")"
. ./tools/install-packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
rm -rf demo-library
build/make-demo-library demo-library
build/zuflist --info demo-library/*/* || true
