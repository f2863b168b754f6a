#!/usr/bin/env bash
# Starts the window on the sample job under a virtual X server through the README's run command and
# saves a picture of it (default docs/screenshot.png). Fails when the program does not start or draw.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/screenshot.png}"
mkdir -p "$(dirname "$out")"
rm -f "$out"
xvfb-run -a -s "-screen 0 1280x800x24" ./scripts/run.sh samples/sample-job.txt --screenshot "$out"
test -s "$out"
echo "screenshot saved: $out"
