#!/usr/bin/env bash
# Runs one test program under Wine for CTest. A program that dies before it
# prints leaves CTest an empty failure; this says how it ended instead, and
# lets Wine's own error messages through (a process Wine cannot start or
# load ends silently with WINEDEBUG=-all).
export WINEDEBUG=-all,err+all
start=$(date +%s%N)
wine "$@"
status=$?
if [ "$status" -ne 0 ]; then
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  how="exit status $status"
  # Wine passes on the low byte of a Windows exit code, which may exceed 128 too.
  [ "$status" -gt 128 ] &&
    how="$how (signal SIG$(kill -l $((status - 128)) 2>/dev/null), if it was killed)"
  echo "run_under_wine: ${1##*/} ended with $how after $ms ms" >&2
fi
exit "$status"
