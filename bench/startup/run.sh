#!/usr/bin/env bash
# Start-up time of the program, five runs in a row, on a virtual X display.
set -euo pipefail
bin=${1:-build/release/bench/startup/startup_bench}
xvfb-run -a -s "-screen 0 1920x1080x24" bash -c "for i in 1 2 3 4 5; do QT_QPA_PLATFORM=xcb '$bin'; done"
