#!/bin/sh
# Builds the Decompress fuzz target with clang and libFuzzer and runs it.
#   fuzz/build.sh [seconds]     (default 300; needs clang++-14 and libclang-rt-14-dev)
# New interesting inputs collect in build-fuzz/corpus; inputs that crashed in build-fuzz/.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out="$here/../build-fuzz"
cmake -S "$here" -B "$out" -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$out" --target decompress_fuzzer -j2
mkdir -p "$out/corpus" "$out/seeds"
python3 "$here/make_seeds.py" "$out/seeds"
cd "$out"
./decompress_fuzzer -max_total_time="${1:-300}" -max_len=4096 -rss_limit_mb=1024 \
  -print_final_stats=1 corpus seeds
