#!/bin/sh
# Time from process start to the main window on screen, the splash's fixed
# 1500 ms left out (KORVELVBS_STARTUP_PROBE skips it and exits once ready).
# Usage: bench/editor/startup.sh [build dir]   (runs under xvfb-run if needed)
set -eu
BUILD=${1:-"$(cd "$(dirname "$0")/../.." && pwd)/build"}
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$BUILD"; fi
CFG=$(mktemp -d)
python3 - "$BUILD/bin/korvelvbs" "$CFG" <<'PY'
import os, subprocess, sys, time
exe, cfg = sys.argv[1], sys.argv[2]
env = dict(os.environ, KORVELVBS_STARTUP_PROBE="1", KORVELVBS_CONFIG_DIR=cfg)
times = []
for _ in range(11):
    t = time.perf_counter()
    out = subprocess.run([exe], env=env, capture_output=True, text=True, timeout=30).stdout
    if "ready" not in out:
        sys.exit("the editor did not report ready")
    times.append((time.perf_counter() - t) * 1000)
times.sort()
print(f"start-up to main window ready: median {times[len(times)//2]:.0f} ms, best {times[0]:.0f} ms (11 runs)")
PY
rm -rf "$CFG"
