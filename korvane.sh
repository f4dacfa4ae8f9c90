#!/usr/bin/env bash
# One entry point for players and developers:
#   ./korvane.sh play   installs what is missing, builds, and starts the game
#   ./korvane.sh test   installs what is missing, builds, and runs every test headless
set -euo pipefail
cd "$(dirname "$0")"
what=${1:-play}
case "$what" in
  play|test) ;;
  *) echo "usage: $0 play|test" >&2; exit 2 ;;
esac

bash tools/setup.sh
cmake -S . -B build -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" -- --no-print-directory >/dev/null

if [ "$what" = play ]; then
  exec build/korvane/korvane
fi

# The tests need no display and no sound device: the window tests get a virtual X display.
cd build
export SDL_AUDIODRIVER=dummy
exec xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j2 --timeout 300
