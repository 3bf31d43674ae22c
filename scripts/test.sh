#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the unit
# and window tests (ctest, including the browser tests and the replay of the
# kept fuzz corpus), then each fuzz target for a few seconds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"

werror=OFF
if [ "${CI:-}" = "true" ]; then werror=ON; fi

cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVITRINE_WERROR=$werror >/dev/null
cmake --build "$root/build"

# The fuzz targets: clang, instrumented, in a build folder of their own.
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVITRINE_FUZZ=ON -DVITRINE_BUILD_APP=OFF -DVITRINE_BUILD_TESTS=OFF -DVITRINE_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$root/build-fuzz"
seconds=${FUZZ_SECONDS:-5}
for target in replace numbers settings; do
  work="$root/build-fuzz/corpus/$target"
  mkdir -p "$work"
  cp -n "$root/fuzz/corpus/$target/"* "$work/" 2>/dev/null || true
  echo "fuzzing $target for ${seconds}s"
  "$root/build-fuzz/fuzz/${target}_fuzz" -max_total_time="$seconds" -max_len=512 -print_final_stats=0 \
    "$work" >"$root/build-fuzz/$target.log" 2>&1 || { tail -n 40 "$root/build-fuzz/$target.log"; exit 1; }
done

cd "$root/build"
ctest --output-on-failure --timeout 300
