#!/bin/sh
# Runs each benchmark program of the runtime library in our engine (.vbs through cscript) and
# in Python 3 (.py), checks that both print the same result, and prints a table of CPU times
# (the median of several runs, which a busy machine disturbs less than the best or the mean)
# with the ratio Python / engine: above 1 means the engine is faster.
# Usage: bench/runtime/compare.sh [BUILD_DIR] [RUNS]
set -eu
HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
BUILD=${1:-"$ROOT/build"}
RUNS=${2:-5}
CSCRIPT="$BUILD/bin/cscript"
if [ ! -x "$CSCRIPT" ]; then
    echo "找不到 $CSCRIPT：请先构建（scripts/setup.sh $BUILD）。" >&2
    exit 1
fi
exec python3 - "$HERE" "$CSCRIPT" "$RUNS" <<'PY'
import os, resource, subprocess, sys, time

here, cscript, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
# The interpreter itself, not a launcher script in front of it, so Python pays no start-up
# cost that is not its own.
python = sys.executable
env = dict(os.environ, LANG="C", LC_ALL="", LC_TIME="")

def run(cmd):
    """CPU seconds (user + system) and wall seconds of one run, and its output."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    out = subprocess.run(cmd, capture_output=True, text=True, env=env, check=True).stdout
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return cpu, wall, out.strip()

def median(values):
    values = sorted(values)
    return values[len(values) // 2]

def measure(cmd):
    results = [run(cmd) for _ in range(runs)]
    return median([r[0] for r in results]), median([r[1] for r in results]), results[0][2]

names = sorted(f[:-4] for f in os.listdir(here) if f.endswith(".vbs"))
print(f"{'benchmark':<12} {'engine CPU s':>12} {'python CPU s':>12} {'ratio':>7}   {'engine wall s':>13} {'python wall s':>13}")
failed = False
for name in names:
    vcpu, vwall, vout = measure([cscript, os.path.join(here, name + ".vbs")])
    pcpu, pwall, pout = measure([python, os.path.join(here, name + ".py")])
    ratio = pcpu / vcpu if vcpu > 0 else float("inf")
    mark = "" if vout == pout else "   results differ: " + vout + " / " + pout
    failed = failed or bool(mark)
    print(f"{name:<12} {vcpu:>12.3f} {pcpu:>12.3f} {ratio:>7.2f}   {vwall:>13.3f} {pwall:>13.3f}{mark}")
sys.exit(1 if failed else 0)
PY
