"""Reads the DXF exports back with a real DXF library.

usage: dxf_read_back.py QUADRELL_BATCH (PROJECT START_X,START_Y CORNERS.asc)...

For each project, exports its DXF with quadrell-batch, opens and audits it
with ezdxf, and checks that its LINE entities on layer "0" chain from the
start corner through the corners of the point export (k, N, E a line).
"""
import subprocess
import sys
import tempfile

import ezdxf


def corners_of(asc_path):
    corners = []
    with open(asc_path, encoding="cp1252", newline="") as f:
        for line in f.read().split("\r\n"):
            if line:
                _, northing, easting = line.split(",")
                corners.append((float(easting), float(northing)))
    return corners


def close(a, b):
    return abs(a - b) <= 1e-9 * max(1.0, abs(a), abs(b))


def check(batch, project, start, asc_path):
    problems = []
    with tempfile.NamedTemporaryFile(suffix=".dxf") as dxf:
        subprocess.run([batch, "dxf", project], stdout=dxf, check=True)
        dxf.flush()
        doc = ezdxf.readfile(dxf.name)
        auditor = doc.audit()
        if auditor.has_errors:
            problems.append(f"audit errors: {[e.message for e in auditor.errors]}")
        lines = [e for e in doc.modelspace() if e.dxftype() == "LINE"]
    corners = corners_of(asc_path)
    if len(lines) != len(corners):
        problems.append(f"{len(lines)} LINE entities, expected {len(corners)}")
    previous = start
    for i, (line, corner) in enumerate(zip(lines, corners)):
        got = (line.dxf.start.x, line.dxf.start.y, line.dxf.start.z,
               line.dxf.end.x, line.dxf.end.y, line.dxf.end.z)
        want = (previous[0], previous[1], 0.0, corner[0], corner[1], 0.0)
        if not all(close(g, w) for g, w in zip(got, want)):
            problems.append(f"LINE {i + 1} runs {got}, expected {want}")
        if line.dxf.layer != "0":
            problems.append(f"LINE {i + 1} is on layer {line.dxf.layer!r}")
        previous = corner
    return [f"{project}: {p}" for p in problems]


def main(args):
    batch, cases = args[0], args[1:]
    problems = []
    for i in range(0, len(cases), 3):
        project, start, asc_path = cases[i:i + 3]
        x, y = (float(v) for v in start.split(","))
        problems += check(batch, project, (x, y), asc_path)
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
