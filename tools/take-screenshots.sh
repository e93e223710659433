#!/usr/bin/env bash
# Renders every window for docs/screenshots on a virtual X display, by running the
# screenshot tests of the debug build with RT410_SCREENSHOT_DIR set.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshots}
mkdir -p "$out"
export RT410_SCREENSHOT_DIR=$(realpath "$out")
mapfile -t binaries < <(find build/debug/tests -type f -name '*_test' -perm -u+x | sort)
for bin in "${binaries[@]}"; do
  xvfb-run -a -s "-screen 0 1600x1000x24" env QT_QPA_PLATFORM=xcb "$bin" \
    --gtest_filter='*Screenshot*' >/dev/null
done
ls -1 "$out"
