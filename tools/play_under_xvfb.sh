#!/usr/bin/env bash
# Drives the real game under a virtual X display with xdotool and leaves screenshots in the
# folder given (default /tmp): the settings dialog, title, equipment, a mission and the pause
# menu. Needs xvfb, xdotool, x11-apps and imagemagick (not part of the set-up: a manual check).
set -euo pipefail
out=${1:-/tmp}
here=$(cd "$(dirname "$0")/.." && pwd)
run() {
  export SDL_AUDIODRIVER=dummy
  snap() { xwd -root -silent | convert xwd:- "$out/play_$1.png"; }
  "$here/build/korvane/korvane" &
  sleep 2; snap dialog
  xdotool key alt+s; sleep 3; snap title
  xdotool key Return; sleep 1; snap equipment
  xdotool key Down Down Down Down Down Right Right Right Right Up Up Up Up Up Return
  sleep 8; xdotool keydown space; sleep 4; snap mission
  xdotool key Escape; sleep 1; snap pause
  xdotool keyup space
  kill %1
}
export -f run 2>/dev/null || true
export out here
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "$(declare -f run); run"
