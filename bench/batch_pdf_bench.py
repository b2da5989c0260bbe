#!/usr/bin/env python3
"""Whole-process timings of quadrell-batch pdf (a 4-line and a 10,000-line
boundary) and, for comparison, of quadrell-batch report, whose start must
not pay for the Qt the pdf command links: medians of repeated runs.

usage: batch_pdf_bench.py BUILD_DIR [RUNS]
"""
import math
import os
import statistics
import subprocess
import sys
import tempfile
import time

build, runs = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 20
batch = os.path.join(build, "src", "batch", "quadrell-batch")
work = tempfile.mkdtemp()


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


def median_ms(args, n):
    times = []
    for _ in range(n):
        start = time.perf_counter()
        subprocess.run(args, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        times.append((time.perf_counter() - start) * 1000)
    return statistics.median(times)


small, large = project("four.twc", 4), project("large.twc", 10000)
print("pdf, 4 lines:       %7.1f ms" % median_ms([batch, "pdf", small], runs))
print("pdf, 10,000 lines:  %7.1f ms" % median_ms([batch, "pdf", large], max(3, runs // 4)))
print("report, 4 lines:    %7.1f ms" % median_ms([batch, "report", small], runs))
