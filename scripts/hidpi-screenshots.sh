#!/bin/sh
# Screenshots of both editions on high-resolution screens: Qt scales the whole program by
# QT_SCALE_FACTOR 2 and 1.5 on a virtual screen that big, so the program still sees 1280 x 800.
# The Quorrel edition opens its Zoom window first, five times larger. One shot after a few cells
# of the empty array were cycled with the right button and a rectangle was selected by a drag in
# the Array window (cell (x, y) has its centre at (153 + 18 x, 93 + 18 y) on the unscaled
# screen), to see that they land on the cells under the pointer; one during a slow continuous
# run of a random array under the preset of the sixth icon. Next to each shot, a crop of the
# Array window three times larger, where every grid line and cell edge can be checked.
# Usage: scripts/hidpi-screenshots.sh [output folder] (default build/screenshots)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build/screenshots}
targets="vellicor quorrel"
. "$root/scripts/screenshot-common.sh"

for factor in 2 1.5; do
    # Screen coordinates of the unscaled layout, as the X server sees them.
    at() { awk -v f="$factor" -v x="$1" -v y="$2" 'BEGIN { printf "%d %d", x * f, y * f }'; }
    cell() { at $((153 + 18 * $1)) $((93 + 18 * $2)); }
    screen=$(at 1280 800 | tr ' ' x)
    for edition in vellicor quorrel; do
        editShot="$out/$edition-scale-$factor-edit.png"
        shot="$out/$edition-scale-$factor-run.png"
        zoom=""
        clicks=""
        for c in '3 10' '4 10' '4 10' '10 3' '11 3' '11 3'; do clicks="$clicks $(cell $c | tr ' ' ,)"; done
        # Options / Zoom / X 5, then Window / Zoom.
        [ "$edition" = quorrel ] &&
            zoom="for k in alt+o z 5 alt+w z; do xdotool key \$k; sleep 0.5; done"
        on_display 'iContinuousDelay=60\nbRectangle=0\n' en \
            "QT_SCALE_FACTOR=$factor \"$root/build/shell/$edition\" & p=\$!; sleep 4; xdotool mousemove $(at 900 500) click 1; sleep 0.5
             $zoom
             xdotool key alt+i; sleep 0.5; xdotool key n; sleep 0.5
             for c in $clicks; do xdotool mousemove \$(echo \$c | tr , ' ') click 3; sleep 0.1; done
             xdotool mousemove $(cell 4 4) mousedown 1 sleep 0.2 mousemove $(cell 7 8) sleep 0.2 mouseup 1; sleep 0.5
             import -window root \"$editShot\"
             xdotool mousemove $(at 206 38) click 1; sleep 0.5
             xdotool key alt+i; sleep 0.5; xdotool key r; sleep 0.5
             xdotool key alt+p; sleep 0.5; xdotool key c; sleep 3
             import -window root \"$shot\"; kill \$p"
        for s in "$editShot" "$shot"; do
            crop="${s%.png}-array.png"
            convert "$s" -crop "$(at 180 160 | tr ' ' x)+$(at 190 130 | tr ' ' +)" +repage -scale 300% "$crop"
            echo "$s"
            echo "$crop"
        done
    done
done
