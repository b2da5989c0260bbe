#!/usr/bin/env python3
"""Peak memory of every quadrell-batch command at N entries (1,000,000 unless
told), against its budget of 1.5 x (input + output) + 30 MiB, and of the pdf
command at 200,000 lines against 200 MB: the maxrss that /usr/bin/time -v
reports for a process that runs only that command.

usage: batch_memory.py BUILD_DIR [N]

Run by hand on a quiet machine; each command runs once.
"""
import os
import re
import subprocess
import sys
import tempfile

build, n = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 1000000
here = os.path.dirname(os.path.abspath(__file__))
batch = os.path.join(build, "src", "batch", "quadrell-batch")
work = tempfile.mkdtemp()
MIB = 1024 * 1024


PDF_LINES, PDF_BUDGET_MIB = 200000, 200e6 / MIB  # 200 MB


def project(kind, count=None):
    path = os.path.join(work, "%s%s.twc" % (kind, count or ""))
    subprocess.run([sys.executable, os.path.join(here, "make_project.py"), kind,
                    str(count or n), path], check=True)
    return path


def point_file():
    """PN, N, E lines with an elevation and a description, as instruments write them."""
    path = os.path.join(work, "points.txt")
    with open(path, "w", newline="") as f:
        for i in range(n):
            f.write("%d,%d.%03d,%d.%03d,100.0,IP\r\n" % (i + 1, 5000 - i % 991, i % 1000,
                                                     1000 + i % 997, i * 7 % 1000))
    return path


def measure(args, inputs):
    out = os.path.join(work, "out")
    with open(out, "wb") as stdout:
        run = subprocess.run(["/usr/bin/time", "-v", batch] + args, stdout=stdout,
                             stderr=subprocess.PIPE, text=True)
    if run.returncode != 0:
        sys.exit("%s failed:\n%s" % (" ".join(args), run.stderr))
    peak = int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", run.stderr).group(1))
    size = sum(os.path.getsize(p) for p in inputs) + os.path.getsize(out)
    return peak / 1024, size / MIB, 1.5 * size / MIB + 30


surveyor, points = project("surveyor"), point_file()
# A traverse that does not close: the closure searches for blunders, as a
# real misclosed boundary makes it.
commands = [
    ("report", ["report", surveyor], [surveyor]),
    ("points", ["points", surveyor], [surveyor]),
    ("dxf", ["dxf", surveyor], [surveyor]),
    ("log", ["log", surveyor], [surveyor]),
    ("import", ["import", "PN, N, E", points], [points]),
    ("closure", ["closure", surveyor], [surveyor]),
    ("adjust", ["adjust", "compass", surveyor], [surveyor]),
]
print("%-8s %10s %10s %10s" % ("command", "in+out", "maxrss", "budget"))
for name, args, inputs in commands:
    peak, size, budget = measure(args, inputs)
    print("%-8s %8.1f M %8.1f M %8.1f M %s" % (name, size, peak, budget,
                                               "ok" if peak < budget else "OVER"))
# The plat draws and tabulates every line: held to a fixed budget at its own size.
plat = project("surveyor", PDF_LINES)
peak, size, _ = measure(["pdf", plat], [plat])
print("%-8s %8.1f M %8.1f M %8.1f M %s (%d lines)" % (
    "pdf", size, peak, PDF_BUDGET_MIB, "ok" if peak < PDF_BUDGET_MIB else "OVER", PDF_LINES))
