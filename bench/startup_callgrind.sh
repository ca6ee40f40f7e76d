#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Instructions a program runs until it maps its main window, counted by callgrind on a virtual
# display of its own: a figure that does not drift with the machine's load, unlike the time.
# usage: bench/startup_callgrind.sh program "window title" [function ...]   (needs valgrind,
# Xvfb and xdotool)
# Prints the total and, for each function named, the instructions spent in it and below it.
# The window's title only tells when to stop: the count ends at the last map before it shows.
set -euo pipefail
command -v valgrind >/dev/null || { echo "startup_callgrind: valgrind is missing" >&2; exit 1; }

program=$1
title=$2
shift 2
display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
scratch=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$scratch"' EXIT
export DISPLAY=$display XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data
sleep 1

# A count is taken before every window the program maps; the last is its main window.
valgrind --tool=callgrind --dump-before=xcb_map_window --callgrind-out-file="$scratch/out" \
  "$program" >/dev/null 2>"$scratch/valgrind.log" &
pid=$!
timeout 120 xdotool search --sync --onlyvisible --name "$title" >/dev/null
sleep 0.3
kill "$pid"
wait "$pid" 2>/dev/null || true

parts=$(ls "$scratch"/out.* | sort -t. -k2 -n)
for part in $parts; do sed -n 's/^summary: //p' "$part"; done |
  awk '{ sum += $1; line = line (NR > 1 ? " + " : "") $1 } END { print "to the last map", sum, "(" line ")" }'
for function in "$@"; do
  for part in $parts; do
    callgrind_annotate --inclusive=yes "$part" 2>/dev/null |
      awk -v f="$function" 'index($0, f) { gsub(",", "", $1); print $1; exit }' || true
  done | awk -v f="$function" '{ sum += $1 } END { print f, sum + 0 }'
done
