#!/usr/bin/env bash
# Runs every fuzz target for a while (default 60 s each): ./scripts/fuzz.sh [seconds]
# Each target starts from the corpus in fuzz/corpus/<target> and keeps what it finds in
# build-fuzz/corpus/<target>; a crash leaves its input in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
FENLO_FUZZ=1 bash scripts/install-deps.sh
CC=clang CXX=clang++ cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz
for target in build-fuzz/fuzz_*; do
    name=$(basename "$target")
    name=${name#fuzz_}
    mkdir -p "build-fuzz/corpus/$name"
    seeds=()
    [ -d "fuzz/corpus/$name" ] && seeds+=("fuzz/corpus/$name")
    echo "== $name (${seconds}s)"
    "$target" -max_total_time="$seconds" -max_len=1048576 -rss_limit_mb=2048 \
        -artifact_prefix=build-fuzz/ "build-fuzz/corpus/$name" "${seeds[@]}" 2>&1 | tail -3
done
