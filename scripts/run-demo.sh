#!/usr/bin/env bash
# Installs what is missing, builds, makes the demo folder (unless it exists)
# and starts the packaging register on its embedded demo database.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
demo=${VELDORIN_DEMO_DIR:-$root/demo}

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j"$(nproc)" --target CadEmbalagens veldorin-demo

if [[ ! -e $demo/dados/veldorin.bd ]]; then
  echo "Making the demo folder $demo ..."
  mkdir -p "$demo"
  "$root/build/src/data/demo/veldorin-demo" "$demo"
  # The settings file of the suite: an empty server address means the local database.
  printf 'IP DO SERVIDOR CENTRAL.........................: \r\n' > "$demo/VELDORIN.INI"
fi
# The program reads VELDORIN.INI from its own folder.
install -m 755 "$root/build/src/app/CadEmbalagens" "$demo/CadEmbalagens"

export VELDORIN_DIR=$demo
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
  echo "No display found: starting on a virtual X display (xvfb-run)." >&2
  exec xvfb-run -a "$demo/CadEmbalagens"
fi
exec "$demo/CadEmbalagens"
