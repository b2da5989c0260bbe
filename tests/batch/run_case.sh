#!/bin/sh
# One quadrell-batch case, run in an empty folder with an empty home folder:
#   run_case.sh EXIT STDOUT STDERR PROGRAM ARGS...
#   EXIT    the exit code expected
#   STDOUT  a file whose bytes stdout must equal, "-" for no output,
#           "/dev/full" to send stdout there, "closed" to start the program
#           with stdin and stdout closed, or "contains:TEXT"
#   STDERR  text that stderr must contain, or "-" for no output
set -u
expected_exit=$1 expected_out=$2 expected_err=$3
shift 3
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
mkdir "$work/run" "$work/home"
out="$work/out"
[ "$expected_out" = /dev/full ] && out=/dev/full
if [ "$expected_out" = closed ]; then
  (cd "$work/run" && HOME="$work/home" XDG_CONFIG_HOME="$work/home" XDG_DATA_HOME="$work/home" \
    "$@" <&- >&- 2>"$work/err")
else
  (cd "$work/run" && HOME="$work/home" XDG_CONFIG_HOME="$work/home" XDG_DATA_HOME="$work/home" \
    "$@" >"$out" 2>"$work/err")
fi
code=$?
status=0
if [ "$code" != "$expected_exit" ]; then
  echo "exit code $code, expected $expected_exit"
  status=1
fi
case $expected_out in
  -)
    [ -s "$work/out" ] && { echo "unexpected stdout:"; cat "$work/out"; status=1; } ;;
  /dev/full | closed) ;;
  contains:*)
    grep -qF -- "${expected_out#contains:}" "$work/out" ||
      { echo "stdout lacks \"${expected_out#contains:}\":"; cat "$work/out"; status=1; } ;;
  *)
    cmp "$expected_out" "$work/out" ||
      { echo "stdout differs from $expected_out:"; od -c "$work/out" | head -20; status=1; } ;;
esac
if [ "$expected_err" = "-" ]; then
  [ -s "$work/err" ] && { echo "unexpected stderr:"; cat "$work/err"; status=1; }
elif ! grep -qF -- "$expected_err" "$work/err"; then
  echo "stderr lacks \"$expected_err\":"
  cat "$work/err"
  status=1
fi
# The tool writes no report and no settings file: its folders stay empty.
if [ -n "$(find "$work/run" "$work/home" -mindepth 1)" ]; then
  echo "files written:"
  ls -AR "$work/run" "$work/home"
  status=1
fi
exit $status
