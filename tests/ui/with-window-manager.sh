#!/usr/bin/env bash
# Runs a window test on its own virtual X display with a window manager, as a person's desktop
# has one: frames, placement and focus are the window manager's there, not the toolkit's.
# Usage: with-window-manager.sh PROGRAM [ARGS...]
set -euo pipefail
for tool in Xvfb openbox xdotool; do
  command -v "$tool" >/dev/null || { echo "with-window-manager: $tool is missing (scripts/setup installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# -displayfd hands back a free display number, so parallel runs never share one.
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
# Deadlines are generous: a loaded machine can take many seconds to start either program.
for _ in $(seq 600); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "with-window-manager: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
# The window manager owns the screen once it has set its supporting-check window; without it the
# test would measure an unmanaged window, so it does not start at all.
managed=
for _ in $(seq 600); do
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then managed=1; break; fi
  sleep 0.1
done
[ -n "$managed" ] || { echo "with-window-manager: openbox did not take the screen" >&2; cat "$work/openbox.log" >&2; exit 1; }

export QT_QPA_PLATFORM=xcb
"$@"
