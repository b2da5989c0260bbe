#!/usr/bin/env python3
"""Writes a project file of N entries for the batch measurements.

usage: make_project.py surveyor|point N OUT.twc

Bearing entries vary quadrant, angle and a distance of one to four decimals;
point entries wander around (1000, 5000), as the benches' lists do.
"""
import sys


def bearing(i):
    quadrant = ("NE", "NW", "SW", "SE")[i % 4]
    return "%s %02d\xb0%02d'%02d'' @%d.%dLF" % (
        quadrant, i % 90, i % 60, i * 7 % 60, 1 + i % 997, 1 + i % 9999)


def point(i):
    return "%d.%d , %d.%d" % (1000 + i % 997, i % 100, 5000 - i % 991, i % 7)


def main():
    kind, n, path = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    entry = bearing if kind == "surveyor" else point
    mode = "Surveyor" if kind == "surveyor" else "Point"
    lines = [":1.1.2", ":0,0,LF," + mode] + [entry(i) for i in range(n)]
    with open(path, "w", encoding="cp1252", newline="") as f:
        f.write("\r\n".join(lines) + "\r\n")


if __name__ == "__main__":
    main()
