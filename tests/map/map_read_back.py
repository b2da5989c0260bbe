"""Reads the map exports back with GDAL's own readers and checks them against
PROJ's cs2cs.

usage: map_read_back.py QUADRELL_BATCH

Control point: EPSG Guidance Note 7-2 (IOGP Publication 373-7-2, "Coordinate
Conversions and Transformations including Formulas"), the Lambert Conic
Conformal (2SP) example, NAD27 / Texas South Central (EPSG:32040, a State
Plane zone in US survey feet): latitude 28°30'00"N, longitude 96°00'00"W is
E = 2963503.91 ftUS, N = 254759.80 ftUS. The boundaries below start there.
"""
import json
import os
import subprocess
import sys
import tempfile
import zipfile

from osgeo import ogr, osr

ogr.UseExceptions()
osr.UseExceptions()

BATCH = sys.argv[1]
FOLDER = tempfile.mkdtemp()
LAT, LON = 28.5, -96.0
FIELDS = ["name", "area", "area_unit", "perimeter", "misclosure", "precision", "note"]
problems = []


def problem(case, text):
    problems.append(f"{case}: {text}")


def cs2cs(source, target, points):
    """PROJ's own conversion, points in the CRSs' authority axis order."""
    text = "".join(f"{a!r} {b!r}\n" for a, b in points)
    out = subprocess.run(["cs2cs", "-f", "%.12f", source, target], input=text,
                         capture_output=True, text=True, check=True).stdout
    return [tuple(float(v) for v in line.split()[:2]) for line in out.splitlines()]


def project(name, unit, mode, entries, location=None):
    path = os.path.join(FOLDER, name + ".twc")
    lines = [":1.1.2", f":0,0,{unit},{mode}"] + ([location] if location else []) + entries
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp1252"))
    return path


def run(fmt, path, *options):
    out = os.path.join(FOLDER, f"{os.path.basename(path)[:-4]}-{len(options)}.{fmt}")
    done = subprocess.run([BATCH, "map", fmt, *options, "-o", out, path], capture_output=True,
                          text=True)
    return out, done


def report_area(path):
    """The area our own report prints, the one every export must carry."""
    out = subprocess.run([BATCH, "report", path], capture_output=True, check=True).stdout
    for line in out.decode("cp1252").splitlines():
        if line.startswith("AREA"):
            return float(line.split(":")[1].split()[0])
    raise AssertionError("no AREA line")


def polygon_of(out, fmt):
    if fmt == "kmz":
        with zipfile.ZipFile(out) as z:
            if not z.namelist():
                raise AssertionError("an empty KMZ")
    source = ogr.Open(out)
    layer = source.GetLayerByName("boundary") or source.GetLayer(0)
    features = list(layer)
    assert len(features) == 1, f"{len(features)} features"
    return source, features[0], layer


def grid_corners(corners, rotation_deg, scale, north, east):
    """The placement rule: (N, E) + S R(theta) (corner - start), by hand for
    the quarter turns the cases use."""
    quarter = {0: lambda de, dn: (de, dn), 90: lambda de, dn: (dn, -de)}[rotation_deg]
    start = corners[0]
    out = []
    for e, n in corners:
        de, dn = quarter(e - start[0], n - start[1])
        out.append((east + scale * de, north + scale * dn))
    return out


def check_export(case, fmt, out, done, want):
    if done.returncode != 0:
        problem(case, f"{fmt}: exit {done.returncode}: {done.stderr}")
        return
    source, feature, layer = polygon_of(out, fmt)
    geometry = feature.GetGeometryRef()
    if not geometry.IsValid():
        problem(case, f"{fmt}: the polygon is not valid")
    ring = geometry.GetGeometryRef(0)
    if ring.GetPointCount() != want["corners"] + 1:
        problem(case, f"{fmt}: {ring.GetPointCount()} ring points, not {want['corners'] + 1}")
    names = [layer.GetLayerDefn().GetFieldDefn(i).GetName()
             for i in range(layer.GetLayerDefn().GetFieldCount())]
    # KML keeps the name in the placemark's own name element.
    fields = FIELDS + [want["large"]]
    if fmt in ("kml", "kmz"):
        fields = ["Name", "description"] + fields[1:]
    for field in fields:
        if field not in names:
            problem(case, f"{fmt}: no field {field} in {names}")
    if fmt != "kml" and fmt != "kmz":
        for field in ("area_unit", "note", "name"):
            if (feature.GetField(field) or "") != want[field]:
                problem(case, f"{fmt}: {field} is {feature.GetField(field)!r}, "
                              f"not {want[field]!r}")
        if not feature.GetField("precision").startswith(want["precision"]):
            problem(case, f"{fmt}: precision {feature.GetField('precision')!r}")
        if abs(feature.GetField("area") - want["area"]) > 1e-6 * want["area"]:
            problem(case, f"{fmt}: area field {feature.GetField('area')}, not {want['area']}")
    # The area in the projected CRS: the ground area times the scale squared.
    grid = layer.GetSpatialRef()
    if want["epsg"]:
        grid = osr.SpatialReference()
        grid.ImportFromEPSG(want["epsg"])
    grid.SetAxisMappingStrategy(osr.OAMS_TRADITIONAL_GIS_ORDER)
    geometry = geometry.Clone()
    geometry.TransformTo(grid)
    expected = want["area"] * want["scale"] ** 2
    if abs(geometry.GetArea() - expected) > 1e-4 * expected:
        problem(case, f"{fmt}: grid area {geometry.GetArea()}, not {expected}")
    if fmt == "geojson":
        check_geojson(case, out)
    if fmt == "shp":
        for ext in (".shx", ".dbf", ".prj", ".cpg"):
            if not os.path.exists(out[:-4] + ext):
                problem(case, f"shp: no {ext} beside it")
    if fmt in ("kml", "kmz") and source.GetLayerByName("corners").GetFeatureCount() \
            != want["corners"]:
        problem(case, f"{fmt}: not one placemark per corner")


def check_geojson(case, out):
    with open(out) as f:
        doc = json.load(f)
    ring = doc["features"][0]["geometry"]["coordinates"][0]
    twice = sum(a[0] * b[1] - b[0] * a[1] for a, b in zip(ring, ring[1:]))
    if ring[0] != ring[-1] or twice <= 0:
        problem(case, "geojson: the ring is not closed and counter-clockwise")
    if any(len(repr(v).split(".")[-1]) > 7 for p in ring for v in p):
        problem(case, "geojson: more than 7 decimals")


def lon_lat_corners(out):
    source, feature, _ = polygon_of(out, "kml")
    ring = feature.GetGeometryRef().GetGeometryRef(0)
    return [ring.GetPoint_2D(i) for i in range(ring.GetPointCount() - 1)]


def check_placement(case, out, expected_grid, epsg, tolerance):
    """Every corner where cs2cs puts the grid corner it should be at."""
    wanted = cs2cs(f"EPSG:{epsg}", "EPSG:4326", expected_grid)
    got = lon_lat_corners(out)
    # Our ring runs counter-clockwise from the start corner; so do the cases.
    for i, ((lat, lon), (glon, glat)) in enumerate(zip(wanted, got)):
        if abs(lat - glat) > tolerance or abs(lon - glon) > tolerance:
            problem(case, f"corner {i + 1} at {glat}, {glon}; cs2cs says {lat}, {lon}")


def curve_parts(geometry):
    """The kinds of the parts of a GeoPackage ring, with their point counts."""
    ring = geometry.GetGeometryRef(0)
    return [(ring.GetGeometryRef(i).GetGeometryName(), ring.GetGeometryRef(i).GetPointCount())
            for i in range(ring.GetGeometryCount())]


CURVED_LOTS = {
    # Counter-clockwise, as the map's ring runs, and clockwise, which the map
    # turns round, its arc swept back.
    "curved": ["NE 90\xb000'00'' @100LF", "Curve left R 50.00LF delta 180\xb000'00'' tangent",
               "SW 90\xb000'00'' @100LF", "SE 00\xb000'00'' @100LF"],
    "curved clockwise": ["NW 00\xb000'00'' @100LF", "NE 90\xb000'00'' @100LF",
                         "Curve right R 50.00LF delta 180\xb000'00'' tangent",
                         "SW 90\xb000'00'' @100LF"],
}


def check_curves(e0, n0, case):
    """A lot with a half-circle side: the GeoPackage keeps it as one arc, the
    Shapefile has it as a polyline within 0.01 ft of the arc."""
    lot = project(case, "LF", "Surveyor", CURVED_LOTS[case],
                  f":LOCATION,EPSG:32040,{n0!r},{e0!r},0,1")
    area = report_area(lot)
    out, done = run("gpkg", lot)
    if done.returncode != 0:
        problem(case, f"gpkg: {done.stderr}")
        return
    arc_source, arc_feature, _ = polygon_of(out, "gpkg")
    arcs = arc_feature.GetGeometryRef().Clone()
    parts = curve_parts(arcs)
    if parts != [("LINESTRING", 2), ("CIRCULARSTRING", 3), ("LINESTRING", 3)]:
        problem(case, f"gpkg ring parts {parts}")
    # GDAL's own area of a curve takes 4-degree chords: finer ones here.
    fine = arcs.GetLinearGeometry(0.01)
    if abs(fine.GetArea() - area) > 1e-4 * area:
        problem(case, f"gpkg area {fine.GetArea()}, not {area}")
    boundary = fine.GetBoundary()
    out, done = run("shp", lot)
    shp_source, feature, _ = polygon_of(out, "shp")
    polygon = feature.GetGeometryRef()
    if abs(polygon.GetArea() - area) > 1e-4 * area:
        problem(case, f"shp area {polygon.GetArea()}, not {area}")
    ring = polygon.GetGeometryRef(0)
    points = [ring.GetPoint_2D(i) for i in range(ring.GetPointCount())]
    worst = 0.0
    for (ax, ay), (bx, by) in zip(points, points[1:]):
        for x, y in ((ax, ay), ((ax + bx) / 2, (ay + by) / 2)):
            point = ogr.CreateGeometryFromWkt(f"POINT ({x!r} {y!r})")
            worst = max(worst, point.Distance(boundary))
    if worst > 0.01 + 1e-6 or len(points) < 10:
        problem(case, f"shp: {len(points)} points, {worst} ft off the arc")


def main():
    # The control point itself, as cs2cs gives it: our reading of its axes.
    (e0, n0), = cs2cs("EPSG:4267", "EPSG:32040", [(LAT, LON)])
    if abs(e0 - 2963503.91) > 0.01 or abs(n0 - 254759.80) > 0.01:
        problem("control", f"cs2cs gives E {e0} N {n0}")
    square = [(0, 0), (1000, 0), (1000, 800), (0, 800)]
    points = project("lot", "LF", "Point", [f"{e} , {n}" for e, n in square] + ["0 , 0"],
                     f":LOCATION,EPSG:32040,{n0!r},{e0!r},0,1")
    area = report_area(points)
    want = {"corners": 4, "large": "acres", "area_unit": "sq ft", "precision": "exact",
            "note": "", "name": "lot", "area": area, "epsg": 32040, "scale": 1}
    for fmt in ("geojson", "kml", "kmz", "gpkg", "shp"):
        run(fmt, points)
        out, done = run(fmt, points)  # over the map just written
        check_export("lot", fmt, out, done, want)
    check_placement("lot", run("kml", points)[0], grid_corners(square, 0, 1, n0, e0), 32040,
                    1e-7)
    check_placement("lot", run("geojson", points)[0], grid_corners(square, 0, 1, n0, e0),
                    32040, 1e-7)

    # Options over the file's location: a quarter turn and a scale other than 1.
    turned = dict(want, scale=0.9999)
    out, done = run("gpkg", points, "--rotate", "+90-00-00", "--scale", "0.9999")
    check_export("turned", "gpkg", out, done, turned)
    out, done = run("kml", points, "--rotate", "+90", "--scale", "0.9999")
    check_placement("turned", out, grid_corners(square, 90, 0.9999, n0, e0), 32040, 1e-7)

    # An open bearing list in metres, placed by latitude and longitude only.
    open_list = project("open lot", "m.", "Surveyor", [
        "NE 90\xb000'00'' @300m.", "NW 00\xb000'00'' @200m.", "SW 90\xb000'00'' @299.9m.",
        "SW 00\xb000'00'' @200m."])
    out, done = run("gpkg", open_list, "--location", f"WGS84 {LAT} {LON}")
    if "closed by its closing line" not in done.stderr:
        problem("open", f"nothing said of the closing line: {done.stderr!r}")
    check_export("open", "gpkg", out, done, dict(
        want, corners=5, large="hectares", area_unit="sq m", note="closed by its closing line",
        precision="1:9,99", name="open lot", area=report_area(open_list), epsg=0))
    out, done = run("kml", open_list, "--location", f"WGS84 {LAT} {LON}")
    (lon, lat), = lon_lat_corners(out)[:1]
    if abs(lon - LON) > 1e-9 or abs(lat - LAT) > 1e-9:
        problem("open", f"the start corner is at {lat}, {lon}")

    for case in CURVED_LOTS:
        check_curves(e0, n0, case)

    # lat/lon -> CRS -> lat/lon: the start located at cs2cs's grid point of a
    # latitude and longitude lands on that latitude and longitude again. (A
    # WGS 84 zone: through NAD27 the datum shift would differ by direction.)
    (e1, n1), = cs2cs("EPSG:4326", "EPSG:32614", [(LAT, LON)])
    back = project("back", "m.", "Point", ["0 , 0", "10 , 0", "0 , 10"],
                   f":LOCATION,EPSG:32614,{n1!r},{e1!r},0,1")
    (lon, lat), = lon_lat_corners(run("kml", back)[0])[:1]
    if abs(lon - LON) > 1e-9 or abs(lat - LAT) > 1e-9:
        problem("round trip", f"the start corner is at {lat!r}, {lon!r}")

    for case, options, message in [
            ("unlocated", [], "set a location first"),
            ("unit", ["--location", "EPSG:32618 0 0"], "is in metre units; the list is in feet"),
            ("geographic", ["--location", "EPSG:4326 0 0"], "is not a projected"),
            ("kmz name", ["--location", "EPSG:2248 0 0"], "ends in \".kmz\"")]:
        bare = project("bare", "LF", "Point", ["0 , 0", "10 , 0", "0 , 10"])
        fmt = "kmz" if case == "kmz name" else "geojson"
        out = os.path.join(FOLDER, "bare.kml")
        done = subprocess.run([BATCH, "map", fmt, *options, "-o", out, bare],
                              capture_output=True, text=True)
        if done.returncode != 1 or message not in done.stderr:
            problem(case, f"exit {done.returncode}: {done.stderr!r}")

    for p in problems:
        print(p)
    return 1 if problems else 0


sys.exit(main())
