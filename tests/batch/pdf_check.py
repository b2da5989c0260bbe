#!/usr/bin/env python3
"""quadrell-batch pdf checked with poppler's own tools: the text a reader
finds (area, every bearing, each curve's row of the curve table and its
name on the drawing, the scale), the paper, the page count, the
document's title (the file's name in any script), nothing on stderr, and no
raster image anywhere.

usage: pdf_check.py QUADRELL_BATCH PROJECT.twc PAPER MIN_PAGES [report]
PAPER is "letter" or "A4". With "report" the plat is made with --report and
must hold the plain plat's pages, then the closure report. Some PROJECTs are written here first:
  circle200     200 corners in metres, a point list;
  lines200000   a closed figure of 200,000 bearing lines of 20 ft, whose page 1
                must leave out the labels and numbers it cannot show;
  cjk:FILE      FILE copied under a name in Chinese and Latin-1.
"""
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile

batch, project, paper, min_pages = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
report = sys.argv[5:] == ["report"]
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

huge = project == "lines200000"
if huge:
    project = os.path.join(work, "lines200000.twc")
    rows = [":1.1.2", ":0,0,LF,Surveyor"]
    for i in range(200000):
        azimuth = 360.0 * i / 200000
        north, east = azimuth < 90 or azimuth >= 270, azimuth < 180
        angle = (azimuth if east else 360 - azimuth) if north else (180 - azimuth if east else azimuth - 180)
        sec = round(angle * 3600)
        rows.append("%s%s %02d°%02d'%02d'' @20.00LF" % ("N" if north else "S", "E" if east else "W",
                                                      sec // 3600, sec // 60 % 60, sec % 60))
    with open(project, "wb") as f:
        f.write(("\r\n".join(rows) + "\r\n").encode("cp1252"))
if project.startswith("cjk:"):
    named = os.path.join(work, "地図 plot é.twc")
    shutil.copyfile(project[4:], named)
    project = named

pdf = os.path.join(work, "plat.pdf")
made = subprocess.run([batch, "pdf"] + (["--report"] if report else []) + [project], check=True,
                      capture_output=True)
with open(pdf, "wb") as f:
    f.write(made.stdout)
failures = []
if made.stderr:
    failures.append("stderr: " + made.stderr.decode(errors="replace"))
# Page 1 and the last page: every page of a huge plat takes long to read.
text = run("pdftotext", *(["-l", "1"] if huge else []), pdf, "-").decode()
info = run("pdfinfo", "-enc", "UTF-8", pdf).decode()
images = run("pdfimages", "-list", "-l", "1", pdf).decode().splitlines()

# The area exactly as the closure analysis prints it.
closure = run(batch, "closure", project).decode()
area = re.search(r"^Area: (.*)$", closure, re.M).group(1)
if "Area: " + area not in text:
    failures.append("no area " + area)

# Every bearing entry, in the tables' form: NE 76°00'00'' -> N 76°00'00.0" E.
entries = [] if huge else open(project, "rb").read().decode("cp1252").split("\r\n")[2:]
for e in entries:
    m = re.match(r"([NS])([EW]) (\d\d)°(\d\d)'(\d\d)''", e)
    if m:
        # Due east or west is printed from the north.
        due = m[3] + m[4] + m[5] == "900000"
        bearing = '%s %s°%s\'%s.0" %s' % ("N" if due else m[1], m[3], m[4], m[5], m[2])
        if bearing not in text:
            failures.append("no bearing " + bearing)

# Each curve's elements as the report lists them, in the curve table's row
# "Ck R DELTA ARC CHORD-BEARING CHORD", and "Ck" on the drawing.
report_lines = [] if huge else run(batch, "report", project).decode("cp1252").split("\r\n")
curves = [m for m in map(re.compile(r'  R (\S+) Delta (\S+) Arc (\S+) Chord (\S+) CB (.*)$').match,
                         report_lines) if m]
if curves:
    rows = [" ".join(line.split()) for line in run("pdftotext", "-layout", pdf, "-").decode().splitlines()]
    words = run("pdftotext", "-l", "1", pdf, "-").decode().split()
    for k, m in enumerate(curves, 1):
        row = "C%d %s %s %s %s %s" % (k, m[1], m[2], m[3], m[5], m[4])
        if row not in rows:
            failures.append("no curve row " + row)
        if "C%d" % k not in words:
            failures.append("no curve C%d on the drawing" % k)

if not re.search(r"Scale 1(\" = \d+'|:\d+)", text):
    failures.append("no scale text")
if not re.search(r"^Page size:.*\(%s\)" % paper, info, re.M):
    failures.append("paper is not " + paper + ": " + info)
pages = int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))
if huge:
    text += run("pdftotext", "-f", str(pages), "-l", str(pages), pdf, "-").decode()
    page1 = run("pdftotext", "-l", "1", pdf, "-").decode()
    if "left out: see the tables" not in page1 or len(page1.split()) > 2000:
        failures.append("page 1 is crowded: %d words" % len(page1.split()))
title = re.search(r"^Title:\s+(.*)$", info, re.M)
if not title or title.group(1) != os.path.basename(project):
    failures.append("title is not " + os.path.basename(project) + ": " + info)
if pages < min_pages or "Page %d of %d" % (pages, pages) not in text:
    failures.append("%d pages, fewer than %d or not numbered" % (pages, min_pages))
if len(images) > 2:  # the two heading lines
    failures.append("raster images: " + "\n".join(images[2:]))

if report:
    plain = os.path.join(work, "plain.pdf")
    with open(plain, "wb") as f:
        f.write(run(batch, "pdf", project))
    plain_pages = int(re.search(r"^Pages:\s+(\d+)", run("pdfinfo", plain).decode(), re.M).group(1))
    numbering = re.compile(r"Page \d+ of \d+")
    kept = numbering.sub("", run("pdftotext", "-l", str(plain_pages), pdf, "-").decode())
    if kept != numbering.sub("", run("pdftotext", plain, "-").decode()):
        failures.append("the plat's own pages differ with the report")
    added = run("pdftotext", "-f", str(plain_pages + 1), pdf, "-").decode()
    if pages <= plain_pages or not added.startswith("Closure report") or "Area: " not in added:
        failures.append("no report pages after the plat's %d" % plain_pages)

shutil.rmtree(work)
print("\n".join(failures) or "ok")
sys.exit(1 if failures else 0)
