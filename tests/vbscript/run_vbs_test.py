#!/usr/bin/env python3
"""Runs one .vbs file through cscript and checks it against its comments.

  ' expect: TEXT        next expected line of standard output
  ' expect-error: TEXT  standard error must contain TEXT; exit code non-zero
  ' expect-exit: N      expected exit code (default 0, or non-zero with expect-error)
"""
import re
import subprocess
import sys

EXPECT = re.compile(r"'\s*expect:\s?(.*?)\s*$")
EXPECT_ERROR = re.compile(r"'\s*expect-error:\s?(.*?)\s*$")
EXPECT_EXIT = re.compile(r"'\s*expect-exit:\s*(-?\d+)")


def main():
    cscript, script = sys.argv[1], sys.argv[2]
    with open(script, encoding="utf-8-sig") as f:
        lines = f.read().splitlines()
    want_out, want_err, want_exit = [], [], None
    for line in lines:
        m = EXPECT_ERROR.search(line)
        if m:
            want_err.append(m.group(1))
            continue
        m = EXPECT_EXIT.search(line)
        if m:
            want_exit = int(m.group(1))
            continue
        m = EXPECT.search(line)
        if m:
            want_out.append(m.group(1))
    proc = subprocess.run([cscript, script], capture_output=True, timeout=120)
    out = proc.stdout.decode("utf-8", "replace").replace("\r\n", "\n")
    err = proc.stderr.decode("utf-8", "replace")
    got_out = out.split("\n")
    if got_out and got_out[-1] == "":
        got_out.pop()
    got_out = [l.rstrip() for l in got_out]
    failures = []
    if got_out != want_out:
        failures.append("standard output differs")
        for i in range(max(len(got_out), len(want_out))):
            g = got_out[i] if i < len(got_out) else "<missing>"
            w = want_out[i] if i < len(want_out) else "<none>"
            mark = "  " if g == w else "!!"
            failures.append(f"{mark} line {i + 1}: got {g!r} want {w!r}")
    for text in want_err:
        if text not in err:
            failures.append(f"standard error lacks {text!r}; it was: {err!r}")
    if want_exit is not None:
        if proc.returncode != want_exit:
            failures.append(f"exit code {proc.returncode}, want {want_exit}")
    elif want_err:
        if proc.returncode == 0:
            failures.append("exit code 0, want non-zero")
    elif proc.returncode != 0:
        failures.append(f"exit code {proc.returncode}; standard error: {err!r}")
    if failures:
        print("\n".join(failures))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
