#!/bin/sh
# Every LandXML file the batch tool writes passes the published schema, and
# imports back to a boundary whose export is the same file:
#   schema_check.sh QUADRELL-BATCH SCHEMA PROJECT...
set -u
batch=$1 schema=$2
shift 2
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
export SOURCE_DATE_EPOCH=1700000000
status=0
for project in "$@"; do
  name=$(basename "$project" .twc)
  "$batch" landxml "$project" >"$work/$name.xml" || { echo "$name: export failed"; status=1; continue; }
  xmllint --noout --schema "$schema" "$work/$name.xml" 2>"$work/lint" ||
    { echo "$name:"; cat "$work/lint"; status=1; }
  "$batch" import-landxml "$work/$name.xml" >"$work/$name.twc" 2>/dev/null ||
    { echo "$name: import failed"; status=1; continue; }
  "$batch" landxml "$work/$name.twc" >"$work/again.xml" &&
    "$batch" import-landxml "$work/again.xml" >"$work/again.twc" 2>/dev/null &&
    cmp -s "$work/$name.twc" "$work/again.twc" ||
    { echo "$name: import, export, import differs"; status=1; }
done
exit $status
