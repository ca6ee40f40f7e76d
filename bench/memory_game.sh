#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Resident memory of a whole game against the bare window's, on a virtual display of its own:
# the deck clicked, 25 cards placed with the mouse, the name prompt answered, then Quit.
# usage: bench/memory_game.sh [build folder] [runs]    (needs Xvfb and xdotool)
# Prints, per run, the resident size in MB from /proc/<pid>/status at each step: all of it, its
# file-backed and anonymous parts, and the peak so far (VmHWM, what `/usr/bin/time -v` reports).
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
runs=${2:-3}
program=$build/marnelok
bare=$build/bench/marnelok_bare_window

display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
scratch=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$scratch"' EXIT
export DISPLAY=$display
sleep 1

mb() { awk -v k="$2:" '$1 == k { printf "%.1f", $2 / 1024 }' "/proc/$1/$3"; }
# Current resident size, its file-backed and anonymous parts, and the peak so far.
sample() {
  printf '%-10s rss %5s  file %5s  anon %5s  peak %5s\n' "$2" "$(mb "$1" VmRSS status)" \
    "$(mb "$1" RssFile status)" "$(mb "$1" RssAnon status)" \
    "$(mb "$1" VmHWM status)"
}
window_of() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n1; }
click() {  # at (x, y) of the table, whose top-left lies right below the menu bar
  xdotool mousemove --window "$window" "$1" $(($2 + menu)) click 1
  sleep 0.15
}

for run in $(seq "$runs"); do
  echo "run $run"
  rm -rf "${scratch:?}"/*
  export XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data
  export XDG_RUNTIME_DIR=$scratch/runtime
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
  mkdir -m 700 "$XDG_RUNTIME_DIR"

  "$bare" &
  pid=$!
  window_of "Bare window" >/dev/null
  sleep 2.5
  sample $pid bare
  kill $pid
  wait $pid 2>/dev/null || true

  "$program" &
  pid=$!
  window=$(window_of "Marnelok for Windows")
  # Qt's menu bar under Xvfb's fonts; a few pixels off still hits the middle of every cell.
  menu=24
  sleep 2.5  # the splash goes after 1500 ms
  sample $pid started
  click 40 40  # the deck deals
  sleep 0.3
  sample $pid dealt
  for cell in $(seq 0 24); do
    click $((89 + 75 * (cell % 5) + 35)) $((4 + 84 * (cell / 5) + 41))
    case $cell in
      0) sleep 0.5 && sample $pid 1st-card ;;  # the history's thread opens the file
      23) sleep 0.5 && sample $pid 24-cards ;;
    esac
  done
  sleep 0.5
  if prompt=$(timeout 3 xdotool search --sync --onlyvisible --name "New High Score" | head -n1) &&
    [ -n "$prompt" ]; then
    sleep 0.3
    sample $pid prompt
    xdotool type --delay 20 Tester
    xdotool key Return
    sleep 0.8
    sample $pid named
  else
    echo "no name prompt"
  fi
  sleep 1
  sample $pid end
  xdotool windowfocus --sync "$window" key alt+g key q
  wait $pid || true
done
