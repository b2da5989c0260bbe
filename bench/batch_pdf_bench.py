#!/usr/bin/env python3
"""Whole-process timings of quadrell-batch pdf (a 4-line, a 10,000-line and a
200,000-line boundary) and, for comparison, of quadrell-batch report, whose
start must not pay for the Qt the pdf command links: medians of repeated runs.
The 200,000-line plat is held to 5 s and 200 MB (the maxrss of the process,
which the pdf command replaces with quadrell-batch-pdf); the script exits 1
when its median breaks either.

usage: batch_pdf_bench.py BUILD_DIR [RUNS]
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

build, runs = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 20
batch = os.path.join(build, "src", "batch", "quadrell-batch")
work = tempfile.mkdtemp()
HUGE_LINES, HUGE_SECONDS, HUGE_MB = 200000, 5.0, 200


def project(name, lines):
    """A closed regular figure of 20-unit bearing lines, in feet."""
    rows = [":1.1.2", ":0,0,LF,Surveyor"]
    for i in range(lines):
        azimuth = 360.0 * i / lines
        north, east = azimuth < 90 or azimuth >= 270, azimuth < 180
        angle = (azimuth if east else 360 - azimuth) if north else (180 - azimuth if east else azimuth - 180)
        s = round(angle * 3600)
        rows.append("%s%s %02d°%02d'%02d'' @20.00LF" % ("N" if north else "S", "E" if east else "W",
                                                      s // 3600, s // 60 % 60, s % 60))
    path = os.path.join(work, name)
    with open(path, "wb") as f:
        f.write(("\r\n".join(rows) + "\r\n").encode("cp1252"))
    return path


def run_once(args):
    """Wall seconds and maxrss (MB, 10^6 bytes) of one whole process."""
    start = time.perf_counter()
    child = subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    seconds = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit("%s failed" % " ".join(args))
    return seconds, usage.ru_maxrss * 1024 / 1e6


def medians(args, n):
    runs_ = [run_once(args) for _ in range(n)]
    return statistics.median(r[0] for r in runs_), statistics.median(r[1] for r in runs_)


small, large, huge = project("four.twc", 4), project("large.twc", 10000), project("huge.twc", HUGE_LINES)
print("pdf, 4 lines:        %8.1f ms" % (medians([batch, "pdf", small], runs)[0] * 1000))
print("pdf, 10,000 lines:   %8.1f ms" % (medians([batch, "pdf", large], max(3, runs // 4))[0] * 1000))
seconds, mb = medians([batch, "pdf", huge], max(3, runs // 4))
verdict = "ok" if seconds < HUGE_SECONDS and mb < HUGE_MB else "OVER"
print("pdf, 200,000 lines:  %8.1f ms %7.1f MB maxrss (limits %.0f s, %d MB) %s"
      % (seconds * 1000, mb, HUGE_SECONDS, HUGE_MB, verdict))
print("report, 4 lines:     %8.1f ms" % (medians([batch, "report", small], runs)[0] * 1000))
sys.exit(0 if verdict == "ok" else 1)
