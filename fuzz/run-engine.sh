#!/bin/sh
# Builds the engine's libFuzzer target with clang and runs it.
# Usage: fuzz/run-engine.sh [SECONDS]   (default 600)
# Needs clang and its fuzzer runtime (Debian: clang, libclang-rt-14-dev).
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
OUT="$ROOT/build-fuzz-engine"
SECONDS_TO_RUN=${1:-600}
mkdir -p "$OUT/corpus" "$OUT/crashes"
# Build from a snapshot, so edits made meanwhile cannot disturb the compiler.
rm -rf "$OUT/snapshot"
mkdir -p "$OUT/snapshot"
cp -r "$ROOT/vbscript" "$ROOT/fuzz" "$OUT/snapshot/"
SRC="$OUT/snapshot"
SOURCES=$(find "$SRC/vbscript/src" -name '*.cpp' | sort)
DEFS=""
[ -f "$SRC/vbscript/src/runtime/RuntimeLibrary.cpp" ] && DEFS="-DVBS_HAVE_RUNTIME_LIBRARY=1"
echo "building fuzz_engine..."
# shellcheck disable=SC2086
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    $DEFS -I"$SRC/vbscript/include" -I"$SRC/vbscript/src" \
    "$SRC/fuzz/engine/fuzz_engine.cpp" $SOURCES -o "$OUT/fuzz_engine"
# Seed with the conformance scripts.
find "$ROOT/tests/vbscript/cases" "$ROOT/tests/runtime" -name '*.vbs' -size -4k 2>/dev/null |
    while read -r f; do cp "$f" "$OUT/corpus/"; done
export ASAN_OPTIONS=allocator_may_return_null=1:detect_leaks=0
cd "$OUT"
exec ./fuzz_engine -max_total_time="$SECONDS_TO_RUN" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
    -malloc_limit_mb=1024 -artifact_prefix="$OUT/crashes/" -print_final_stats=1 "$OUT/corpus"
