#!/bin/sh
# Builds the libFuzzer targets for the statement library loader and the text
# decoder with clang and runs each for the given time.
# Usage: fuzz/run-editor.sh [SECONDS]   (default 600 each, run side by side)
# Needs clang and its fuzzer runtime (Debian: clang, libclang-rt-14-dev).
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
OUT="$ROOT/build-fuzz-editor"
SECONDS_TO_RUN=${1:-600}
mkdir -p "$OUT"
QT="$(pkg-config --cflags --libs Qt6Core)"
FLAGS="-std=c++20 -O1 -g -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined"
# shellcheck disable=SC2086
clang++ $FLAGS -I"$ROOT/platform" "$ROOT/fuzz/editor/fuzz_text_decoder.cpp" \
    "$ROOT/platform/TextFile.cpp" $QT -o "$OUT/fuzz_text_decoder"
# shellcheck disable=SC2086
clang++ $FLAGS -I"$ROOT/platform" -I"$ROOT/library" "$ROOT/fuzz/editor/fuzz_statement_table.cpp" \
    "$ROOT/library/StatementTable.cpp" "$ROOT/platform/TextFile.cpp" $QT -o "$OUT/fuzz_statement_table"
export ASAN_OPTIONS=detect_leaks=0
for t in fuzz_text_decoder fuzz_statement_table; do
    mkdir -p "$OUT/$t-corpus" "$OUT/$t-crashes"
    cp "$ROOT/data/stslist.dat" "$OUT/$t-corpus/" 2>/dev/null || true
    "$OUT/$t" -max_total_time="$SECONDS_TO_RUN" -max_len=65536 -rss_limit_mb=2048 \
        -artifact_prefix="$OUT/$t-crashes/" -print_final_stats=1 "$OUT/$t-corpus" \
        > "$OUT/$t.log" 2>&1 &
done
wait
for t in fuzz_text_decoder fuzz_statement_table; do
    echo "$t: $(grep -E 'stat::number_of_executed_units' "$OUT/$t.log" | awk '{print $2}') runs," \
         "$(ls "$OUT/$t-crashes" | wc -l) crashes"
done
