#!/bin/sh
# Runs a test program inside its own virtual X server; 77 (skipped) when the
# machine has no Xvfb or xdotool. The server keeps its keymap between clients
# (-noreset), so a test can change it before starting the program.
for tool in xvfb-run xdotool; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is not installed: skipping" >&2
    exit 77
  fi
done
exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$@"
