#!/usr/bin/env python3
"""Whole-process timings of quadrell-batch map: a 100,000-corner located
boundary to each format, held to 2 s each, and of the commands whose start
must not pay for GDAL: quadrell-batch report of a 4-line boundary and the
window's own start up to its first answer (quadrell --version, after every
library it links is loaded). Medians of repeated runs. With a second build
folder, the same for that build (the one before the map) for comparison.
Exits 1 when a map export breaks its limit.

usage: batch_map_bench.py BUILD_DIR [BASE_BUILD_DIR] [RUNS]
"""
import math
import os
import statistics
import subprocess
import sys
import tempfile
import time

build = sys.argv[1]
base = sys.argv[2] if len(sys.argv) > 2 and not sys.argv[2].isdigit() else None
runs = int(sys.argv[-1]) if sys.argv[-1].isdigit() else 20
work = tempfile.mkdtemp()
CORNERS, LIMIT = 100000, 2.0
FORMATS = ("geojson", "kml", "kmz", "gpkg", "shp")


def write(name, lines):
    path = os.path.join(work, name)
    with open(path, "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("cp1252"))
    return path


def circle(n):
    """n corners on a circle of 2,000 ft radius, in a Maryland State Plane zone."""
    rows = [":1.1.2", ":0,0,LF,Point", ":LOCATION,EPSG:2248,500000,1300000,0,1"]
    for i in range(n):
        a = 2 * math.pi * i / n
        rows.append("%.4f , %.4f" % (2000 * math.cos(a), 2000 * math.sin(a)))
    return write("circle.twc", rows)


def four():
    return write("four.twc", [":1.1.2", ":0,0,LF,Surveyor", "NE 45\xb000'00'' @100LF",
                              "SE 45\xb000'00'' @100LF", "SW 45\xb000'00'' @100LF",
                              "NW 45\xb000'00'' @100LF"])


def median_seconds(args, n, env=None):
    times = []
    for _ in range(n):
        start = time.perf_counter()
        done = subprocess.run(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env)
        times.append(time.perf_counter() - start)
        if done.returncode != 0:
            sys.exit("%s failed" % " ".join(args))
    return statistics.median(times)


def programs(folder):
    return (os.path.join(folder, "src", "batch", "quadrell-batch"),
            os.path.join(folder, "src", "shell", "quadrell"))


def starts(folder, label):
    batch, window = programs(folder)
    report = median_seconds([batch, "report", four()], runs)
    version = median_seconds([window, "--version"], runs,
                             dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    print("%-6s report, 4 lines: %7.1f ms   window start (--version): %7.1f ms"
          % (label, report * 1000, version * 1000))


batch = programs(build)[0]
project = circle(CORNERS)
verdicts = []
for fmt in FORMATS:
    out = os.path.join(work, "circle." + fmt)
    seconds = median_seconds([batch, "map", fmt, "-o", out, project], max(3, runs // 4))
    verdicts.append(seconds < LIMIT)
    print("map %-7s %d corners: %7.1f ms (limit %.0f s) %s"
          % (fmt, CORNERS, seconds * 1000, LIMIT, "ok" if verdicts[-1] else "OVER"))
starts(build, "now")
if base:
    starts(base, "before")
sys.exit(0 if all(verdicts) else 1)
