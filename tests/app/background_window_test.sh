#!/usr/bin/env bash
# With "No Background"=0 the background window covers the screen with the gradient
# from the settings' start colour to their end colour. The run is started without a
# log, so it waits in the open-file dialog while the screen is taken; the gradient is
# checked in a column the dialog does not cover. The screenshot is kept for a person
# to look at. Usage: background_window_test.sh UNZORL32.EXE SCREENSHOT.png
set -uo pipefail
uninstaller=$1
screenshot=$2
here=$(dirname "$0")
source "$here/../harness/session.sh"
source "$here/../harness/check.sh"
session_start winxp || exit 3

mkdir -p "$drive_c/APP"
cp "$uninstaller" "$drive_c/APP/UNZORL32.EXE"
printf '[Settings]\r\nNo Background=0\r\nStart Red=300\r\nEnd Green=40\r\n' >"$drive_c/APP/UNZORL32.INI"
(cd "$drive_c/APP" && session_wine 'C:\APP\UNZORL32.EXE' >/dev/null 2>&1 &)

# The virtual desktop is 800 x 600; column 700 lies right of the open-file dialog.
ppm=$WINEPREFIX/screen.ppm
for attempt in $(seq 1 40); do
  sleep 0.5
  xwd -root -silent | /usr/bin/convert xwd:- "$ppm" 2>/dev/null || continue
  python3 "$here/check_gradient.py" "$ppm" 700 600 300 0 255 0 40 0 >/dev/null 2>&1 && break
done
/usr/bin/convert "$ppm" "$screenshot"
result=$(python3 "$here/check_gradient.py" "$ppm" 700 600 300 0 255 0 40 0)
status=$?
echo "$result"
[ $status -eq 0 ] || fail "gradient differs (screenshot in $screenshot)"
check_summary
