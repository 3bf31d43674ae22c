#!/usr/bin/env bash
# Installs what is missing, builds Vitrine and starts the editor.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target vitrine
exec "$root/build/src/app/vitrine" "$@"
