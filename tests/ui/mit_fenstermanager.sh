#!/bin/sh
# Runs a program on a virtual X display (Xvfb) under the openbox window manager and passes on
# its exit status. Usage: mit_fenstermanager.sh PROGRAM [ARGUMENTS...]
exec xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    openbox >/dev/null 2>&1 &
    wm=$!
    # The manager is ready once it has announced itself on the root window.
    i=0
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
        i=$((i + 1)); [ $i -gt 100 ] && { echo "openbox did not start" >&2; exit 1; }
        sleep 0.1
    done
    QT_QPA_PLATFORM=xcb "$0" "$@"
    status=$?
    kill $wm
    exit $status' "$@"
