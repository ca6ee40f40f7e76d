#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Instructions a program runs until its window is on screen, counted by callgrind on a virtual
# display of its own: a figure that does not drift with the machine's load, unlike the time.
# usage: bench/startup_callgrind.sh program "window title" [function ...]
# Prints the total and, for each function named, the instructions spent in it and below it.
set -euo pipefail

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

valgrind --tool=callgrind --callgrind-out-file="$scratch/out" "$program" >/dev/null \
  2>"$scratch/valgrind.log" &
pid=$!
timeout 120 xdotool search --sync --onlyvisible --name "$title" >/dev/null
callgrind_control -d "$pid" >/dev/null  # the count up to now, while the program still runs
kill "$pid"
wait "$pid" 2>/dev/null || true

dump=$(ls "$scratch"/out.* | head -n1)
echo "total $(sed -n 's/^summary: //p; s/^totals: //p' "$dump" | head -n1)"
for function in "$@"; do
  callgrind_annotate --inclusive=yes "$dump" 2>/dev/null |
    awk -v f="$function" 'index($0, f) { gsub(",", "", $1); print f, $1; exit }'
done
