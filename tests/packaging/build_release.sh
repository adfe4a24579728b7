#!/usr/bin/env bash
# Builds the program as it is shipped (release, no sanitizers) for the packaging and valgrind tests.
# Usage: build_release.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTICKWELL_TESTS=OFF -DTICKWELL_BENCH=OFF \
  -DTICKWELL_TOOLS=OFF -DTICKWELL_SANITIZE=OFF >/dev/null
cmake --build "$2"
