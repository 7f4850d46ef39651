#!/bin/sh
# Runs each benchmark in VBScript (our cscript), Python 3 and Lua 5.4 and
# prints the times and ratios. Usage: bench/engine/compare.sh [BUILD_DIR]
set -eu
HERE=$(cd "$(dirname "$0")" && pwd)
BUILD=${1:-"$HERE/../../build"}
CSCRIPT="$BUILD/bin/cscript"
[ -x "$CSCRIPT" ] || { echo "cscript not found in $BUILD/bin (build the cscript target first)"; exit 1; }
LUA=$(command -v lua5.4 || command -v lua || true)

now() { date +%s%N; }
run() {  # prints "seconds output"
    t0=$(now)
    out=$("$@" 2>&1 | tr -d '\r')
    t1=$(now)
    echo "$(( (t1 - t0) / 1000000 )) $out"
}
ms() { echo "$1" | cut -d' ' -f1; }
val() { echo "$1" | cut -d' ' -f2-; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }
secs() { awk -v a="$1" 'BEGIN { printf "%.3f", a / 1000 }'; }

printf '| program | VBScript (s) | Python 3 (s) | Lua 5.4 (s) | VBScript / Python | VBScript / Lua | same result |\n'
printf '|---|---|---|---|---|---|---|\n'
for name in fib loop strings sieve objects; do
    v=$(run "$CSCRIPT" "$HERE/$name.vbs")
    p=$(run python3 "$HERE/$name.py")
    if [ -n "$LUA" ]; then l=$(run "$LUA" "$HERE/$name.lua"); else l="0 -"; fi
    same=no
    [ "$(val "$v")" = "$(val "$p")" ] && [ "$(val "$v")" = "$(val "$l")" ] && same=yes
    printf '| %s | %s | %s | %s | %s | %s | %s |\n' "$name" "$(secs "$(ms "$v")")" "$(secs "$(ms "$p")")" \
        "$(secs "$(ms "$l")")" "$(ratio "$(ms "$v")" "$(ms "$p")")" "$(ratio "$(ms "$v")" "$(ms "$l")")" "$same"
done
