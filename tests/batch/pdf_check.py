#!/usr/bin/env python3
"""quadrell-batch pdf checked with poppler's own tools: the text a reader
finds (area, every bearing, the scale), the paper and the page count, and no
raster image anywhere.

usage: pdf_check.py QUADRELL_BATCH PROJECT.twc PAPER MIN_PAGES
PAPER is "letter" or "A4"; a PROJECT of "circle200" is written here first:
200 corners in metres, a point list.
"""
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile

batch, project, paper, min_pages = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
work = tempfile.mkdtemp()


def run(*args, **kw):
    return subprocess.run(args, check=True, capture_output=True, **kw).stdout


if project == "circle200":
    project = os.path.join(work, "circle200.twc")
    rows = [":1.1.2", ":0,0,m.,Point"] + [
        "%.4f , %.4f" % (500 + 100 * math.cos(i * math.pi / 100), 500 + 100 * math.sin(i * math.pi / 100))
        for i in range(200)]
    with open(project, "wb") as f:
        f.write(("\r\n".join(rows) + "\r\n").encode("cp1252"))

pdf = os.path.join(work, "plat.pdf")
with open(pdf, "wb") as f:
    f.write(run(batch, "pdf", project))
text = run("pdftotext", pdf, "-").decode()
info = run("pdfinfo", pdf).decode()
images = run("pdfimages", "-list", pdf).decode().splitlines()
failures = []

# The area exactly as the closure analysis prints it.
closure = run(batch, "closure", project).decode()
area = re.search(r"^Area: (.*)$", closure, re.M).group(1)
if "Area: " + area not in text:
    failures.append("no area " + area)

# Every bearing entry, in the tables' form: NE 76°00'00'' -> N 76°00'00.0" E.
entries = open(project, "rb").read().decode("cp1252").split("\r\n")[2:]
for e in entries:
    m = re.match(r"([NS])([EW]) (\d\d)°(\d\d)'(\d\d)''", e)
    if m:
        bearing = '%s %s°%s\'%s.0" %s' % (m[1], m[3], m[4], m[5], m[2])
        if bearing not in text:
            failures.append("no bearing " + bearing)

if not re.search(r"Scale 1(\" = \d+'|:\d+)", text):
    failures.append("no scale text")
if not re.search(r"^Page size:.*\(%s\)" % paper, info, re.M):
    failures.append("paper is not " + paper + ": " + info)
pages = int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))
if pages < min_pages or "Page %d of %d" % (pages, pages) not in text:
    failures.append("%d pages, fewer than %d or not numbered" % (pages, min_pages))
if len(images) > 2:  # the two heading lines
    failures.append("raster images: " + "\n".join(images[2:]))

shutil.rmtree(work)
print("\n".join(failures) or "ok")
sys.exit(1 if failures else 0)
