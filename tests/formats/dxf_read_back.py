"""Reads the DXF exports back with a real DXF library.

usage: dxf_read_back.py QUADRELL_BATCH (PROJECT START_X,START_Y CORNERS.asc)...

For each project, exports its DXF with quadrell-batch, opens and audits it
with ezdxf, and checks that its LINE and ARC entities on layer "0" chain from
the start corner through the corners of the point export (k, N, E a line).
An ARC stands for each curve the report lists: its radius and its sweep are
the curve's, and the ends that ezdxf works out from its centre, radius and
angles are the corners, the arc running counter-clockwise from a left
curve's start or from a right curve's end.
"""
import re
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


ELEMENTS = re.compile(r"  R (\S+) Delta (\d+)\xb0(\d\d)'([\d.]+)\"")


def curves_of(batch, project):
    """Each entry's curve as (side, radius, delta in degrees), None for a line."""
    report = subprocess.run([batch, "report", project], capture_output=True,
                            check=True).stdout.decode("cp1252").split("\r\n")
    if "BEARING  @DISTANCE" not in report:
        return []
    curves = []
    for line in report[report.index("BEARING  @DISTANCE") + 1:]:
        if not line:
            break
        elements = ELEMENTS.match(line)
        if elements:
            r, d, m, sec = (float(v) for v in elements.groups())
            curves[-1] = (curves[-1], r, d + m / 60 + sec / 3600)
        else:
            curves.append("right" if line.startswith("Curve right") else
                          "left" if line.startswith("Curve left") else None)
    return curves


def arc_problems(arc, curve, previous, corner):
    side, radius, delta = curve
    problems = []
    if abs(arc.dxf.radius - radius) > 1e-4:
        problems.append(f"radius {arc.dxf.radius}, expected {radius}")
    sweep = (arc.dxf.end_angle - arc.dxf.start_angle) % 360
    if abs(sweep - delta) > 1e-4:
        problems.append(f"sweeps {sweep} degrees, expected {delta}")
    first, last = (previous, corner) if side == "left" else (corner, previous)
    for name, got, want in (("starts", arc.start_point, first), ("ends", arc.end_point, last)):
        if not (close(got.x, want[0]) and close(got.y, want[1]) and got.z == 0):
            problems.append(f"{name} at {tuple(got)}, expected {want}")
    return problems


def line_problems(line, previous, corner):
    got = (line.dxf.start.x, line.dxf.start.y, line.dxf.start.z,
           line.dxf.end.x, line.dxf.end.y, line.dxf.end.z)
    want = (previous[0], previous[1], 0.0, corner[0], corner[1], 0.0)
    if not all(close(g, w) for g, w in zip(got, want)):
        return [f"runs {got}, expected {want}"]
    return []


def check(batch, project, start, asc_path):
    problems = []
    with tempfile.NamedTemporaryFile(suffix=".dxf") as dxf:
        subprocess.run([batch, "dxf", project], stdout=dxf, check=True)
        dxf.flush()
        doc = ezdxf.readfile(dxf.name)
        auditor = doc.audit()
        if auditor.has_errors:
            problems.append(f"audit errors: {[e.message for e in auditor.errors]}")
        entities = [e for e in doc.modelspace() if e.dxftype() in ("LINE", "ARC")]
    corners = corners_of(asc_path)
    curves = curves_of(batch, project) or [None] * len(corners)
    if len(entities) != len(corners):
        problems.append(f"{len(entities)} LINE and ARC entities, expected {len(corners)}")
    previous = start
    for i, (entity, corner, curve) in enumerate(zip(entities, corners, curves)):
        kind = "ARC" if curve else "LINE"
        name = f"{entity.dxftype()} {i + 1}"
        if entity.dxftype() != kind:
            problems.append(f"{name} stands for a {kind}")
        elif curve:
            problems += [f"{name} {p}" for p in arc_problems(entity, curve, previous, corner)]
        else:
            problems += [f"{name} {p}" for p in line_problems(entity, previous, corner)]
        if entity.dxf.layer != "0":
            problems.append(f"{name} is on layer {entity.dxf.layer!r}")
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
