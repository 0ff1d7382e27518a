#!/usr/bin/env bash
# Installs what is missing, builds Korvex and analyses a shipped example project headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
./build/bin/korvex run examples/anchored_stiff_clay_weak_rock_si.rw5d
