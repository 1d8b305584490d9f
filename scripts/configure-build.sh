#!/usr/bin/env bash
# Configures and builds one build tree: configure-build.sh <build-dir> [cmake options...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
shift
cmake -S "$root" -B "$build" -G Ninja "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
