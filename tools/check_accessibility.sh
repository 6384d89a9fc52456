#!/bin/sh
# Runs tools/check_accessibility.py against the built program on a virtual
# display, with its own session bus and accessibility bus:
#   tools/check_accessibility.sh [BUILD_FOLDER] [PAPER, default 1]
# Needs the Debian packages xvfb, xauth, dbus-x11, at-spi2-core,
# python3-pyatspi and (for the focus checks) xdotool. A manual check: not part of the test suite.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
if [ -z "${PARVOLIS_CHECK_INSIDE:-}" ]; then
  export PARVOLIS_CHECK_INSIDE=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- "$0" "$build" "${2:-1}"
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
cd "$build"
# Silent: the check needs no sound card.
ALSOFT_DRIVERS=null QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb ./app/parvolis &
program=$!
# No window manager here: give the window the keyboard focus by hand, so
# that focus moves can be checked too.
if command -v xdotool >/dev/null; then
  xdotool search --sync --name '^Parvolis - Test' windowfocus || true
fi
status=0
/usr/bin/python3 "$here/check_accessibility.py" "${2:-1}" || status=$?
kill "$program" "$bus" 2>/dev/null || true
exit "$status"
