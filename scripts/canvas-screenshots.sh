#!/bin/sh
# Screenshots of the Canvas in both languages on a 1920 x 1080 screen with a window manager (full
# screen needs one): a click on the main window's title bar, Ctrl+K, F11, then New canvas... from its menu (the fifth item): 1920 x 1080,
# Random with 3 states, under a weighted rule of the settings file (orthogonal neighbours count
# twice, diagonal ones once, the cell itself not at all; torus). The run grows for a while at 2
# generations a frame, is paused, and is shot whole; then zoomed 4x with the + key and shot again.
# The dialog's controls are clicked at their places in the dialog window.
# Usage: scripts/canvas-screenshots.sh [output folder] (default build/screenshots)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build/screenshots}
targets="vellicor"
. "$root/scripts/screenshot-common.sh"

# iNumAuto[s]: bit k set when the reduced sum k gives state s: 3, 4, 5 and 8 give 1; 0, 1, 7 and
# 9 give 2; the others keep the cell. From a random start of 3 states red islands rise and round
# off in a green sea that keeps stirring (found with the rule explorer under this neighbourhood).
rule='bHomogeneousMode=0\niGeometryMode=1\nbPlane=0\niNeighbours[0][0]=1\niNeighbours[0][1]=2\niNeighbours[0][2]=1\niNeighbours[1][0]=2\niNeighbours[1][1]=0\niNeighbours[1][2]=2\niNeighbours[2][0]=1\niNeighbours[2][1]=2\niNeighbours[2][2]=1\niNumAuto[0]=0\niNumAuto[1]=312\niNumAuto[2]=643\n'
for language in en fr; do
    title="New canvas"
    [ "$language" = fr ] && title="Nouvelle toile"
    whole="$out/vellicor-$language-canvas.png"
    zoomed="$out/vellicor-$language-canvas-zoom4.png"
    screen=1920x1080 on_display "$rule" "$language" \
        "openbox >/dev/null 2>&1 & sleep 1; \"$root/build/shell/vellicor\" & p=\$!; sleep 3;
         xdotool mousemove 1200 8 click 1; sleep 0.5; xdotool key ctrl+k; sleep 1.5; xdotool key F11; sleep 1.5
         xdotool mousemove 960 540 click 3; sleep 0.5; xdotool key Down Down Down Down Down Return
         d=\$(xdotool search --sync --name '^$title\$' | head -1); sleep 0.5
         xdotool mousemove --window \$d 31 60 click 1 sleep 0.2 mousemove --window \$d 283 35 click 1 sleep 0.2
         xdotool mousemove --window \$d 467 62 click 1 key ctrl+a type 3; sleep 0.2
         xdotool mousemove --window \$d 205 213 click 1; sleep 1.5
         xdotool mousemove 960 540 click 3; sleep 0.5; xdotool key Down Down Down Right Down Return; sleep 0.3
         xdotool mousemove 1919 1079 key space; sleep ${CANVAS_GROW_SECONDS:-6}; xdotool key space; sleep 0.5
         import -window root \"$whole\"
         xdotool key plus plus plus; sleep 0.5; import -window root \"$zoomed\"; kill \$p"
    echo "$whole"
    echo "$zoomed"
done
