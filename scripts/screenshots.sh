#!/bin/sh
# Screenshots of both editions in English and French, each started on a virtual display with a
# settings file of its own. Usage: scripts/screenshots.sh [output folder] (default build/screenshots)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build/screenshots}
targets="vellicor quorrel vellicor-render"
. "$root/scripts/screenshot-common.sh"

for edition in vellicor quorrel; do
    for language in en fr; do
        shot="$out/$edition-$language.png"
        on_display '' "$language" \
            "\"$root/build/shell/$edition\" & p=\$!; sleep 3; import -window root \"$shot\"; kill \$p"
        echo "$shot"
    done
done

# The picture edition as a desktop shows it, with a window manager's title bar and borders; the
# whole window, frame included, must lie on the screen.
if command -v openbox >/dev/null; then
    shot="$out/vellicor-en-window-manager.png"
    on_display '' en \
        "openbox >/dev/null 2>&1 & sleep 1; \"$root/build/shell/vellicor\" & p=\$!; sleep 3;
         import -window root \"$shot\"; kill \$p"
    echo "$shot"
fi

# The help viewer, opened as a person opens it: the Help menu, then its first item (Index).
shot="$out/vellicor-en-help.png"
on_display '' en \
    "\"$root/build/shell/vellicor\" & p=\$!; sleep 3; xdotool mousemove 415 8 click 1; sleep 1;
     xdotool mousemove 440 30 click 1; sleep 2; import -window root \"$shot\"; kill \$p"
echo "$shot"

# The Array window as a person works in it, in both languages: ellipse cells, the Octogon run a
# few generations, cells cycled to other states with the right button, and a rectangle selected
# by a drag; then the Selection menu with the rectangle's commands. Cell (x, y) of the default
# window on this screen has its centre at (153 + 18 x, 93 + 18 y).
for language in en fr; do
    shot="$out/vellicor-$language-array.png"
    menuShot="$out/vellicor-$language-array-selection-menu.png"
    menu=175
    [ "$language" = fr ] && menu=217
    on_display 'bRectangle=0\n' "$language" \
        "\"$root/build/shell/vellicor\" & p=\$!; sleep 4; xdotool mousemove 900 500 click 1; sleep 0.5;
         xdotool key ctrl+o; sleep 0.3; for i in 1 2 3; do xdotool key ctrl+n; sleep 0.3; done
         for cell in '3 10' '4 10' '4 10' '5 10' '5 10' '5 10' '10 3' '11 3' '11 3'; do
             set -- \$cell; xdotool mousemove \$((153 + 18 * \$1)) \$((93 + 18 * \$2)) click 3; sleep 0.1
         done
         xdotool mousemove 225 165 mousedown 1 sleep 0.2 mousemove 279 237 sleep 0.2 mouseup 1; sleep 1;
         import -window root \"$shot\"; xdotool mousemove $menu 8 click 1; sleep 1;
         import -window root \"$menuShot\"; kill \$p"
    echo "$shot"
    echo "$menuShot"
done

# Every view during a continuous run, in both languages: a 40 x 40 array filled at random under
# the preset of the sixth icon, run slowly (iContinuousDelay) so that the shot falls in the
# middle of it; then, the run stopped by a key, the Colors dialog over the program, state 3 chosen
# and its red raised by three pages. The menus are opened by the mouse: Initialize / Random,
# Process / Continuous, Options / Colors.
for language in en fr; do
    if [ "$language" = fr ]; then
        random='148 8 180 51' continuous='348 8 385 73' colors='283 8 315 140'
    else
        random='107 8 131 73' continuous='301 8 336 73' colors='240 8 267 140'
    fi
    shot="$out/vellicor-$language-run.png"
    colorsShot="$out/vellicor-$language-colors.png"
    on_display 'wMaxHor=41\nwMaxVer=41\niContinuousDelay=40\n' "$language" \
        "\"$root/build/shell/vellicor\" & p=\$!; sleep 4; xdotool mousemove 900 500 click 1; sleep 0.5
         xdotool mousemove 205 34 click 1; sleep 0.3
         set -- $random; xdotool mousemove \$1 \$2 click 1 sleep 0.5 mousemove \$3 \$4 click 1; sleep 0.5
         set -- $continuous; xdotool mousemove \$1 \$2 click 1 sleep 0.5 mousemove \$3 \$4 click 1; sleep 5
         import -window root \"$shot\"; xdotool key space; sleep 0.5
         set -- $colors; xdotool mousemove \$1 \$2 click 1 sleep 0.5 mousemove \$3 \$4 click 1; sleep 1
         xdotool mousemove 629 272 click 1 sleep 0.3 mousemove 700 377 click 1 click 1 click 1; sleep 0.5
         import -window root \"$colorsShot\"; kill \$p"
    echo "$shot"
    echo "$colorsShot"
done

# Pictures out, in both languages: the Bitmap window's context menu with its scale submenu open,
# the recording dialog its last item opens, and the Array window's menu opened by Shift+F10.
for language in en fr; do
    menuShot="$out/vellicor-$language-picture-menu.png"
    dialogShot="$out/vellicor-$language-record-dialog.png"
    arrayShot="$out/vellicor-$language-array-picture-menu.png"
    on_display '' "$language" \
        "\"$root/build/shell/vellicor\" & p=\$!; sleep 4; xdotool mousemove 900 500 click 1; sleep 0.5
         xdotool mousemove 60 120 click 3; sleep 0.5; xdotool mousemove 120 152; sleep 1
         import -window root \"$menuShot\"; xdotool mousemove 120 174 click 1; sleep 1
         import -window root \"$dialogShot\"; xdotool key Escape; sleep 0.5
         xdotool mousemove 285 63 click 1; sleep 0.3; xdotool key shift+F10; sleep 1
         import -window root \"$arrayShot\"; kill \$p"
    echo "$menuShot"
    echo "$dialogShot"
    echo "$arrayShot"
done

# An animation made by the renderer: the Standard figure under the rule set of the third sample
# page, 60 generations on 60 x 60 cells, four pixels a cell; and four of its frames as pictures.
settings=$(mktemp)
printf '[Vellicor]\nwMaxHor=61\nwMaxVer=61\niNumAuto[0]=289\niNumAuto[1]=64\niNumAuto[3]=128\n' > "$settings"
printf 'iNumAuto[4]=16\niNumAuto[5]=4\niNumAuto[7]=10\n' >> "$settings"
gif="$out/vellicor-render-samples-3.gif"
"$root/build/render/vellicor-render" --settings "$settings" --generations 60 --scale 4 --delay 80 --output "$gif"
rm -f "$settings"
echo "$gif"
for frame in 0 20 40 60; do
    convert "$gif[$frame]" "$out/vellicor-render-samples-3-frame-$frame.png"
    echo "$out/vellicor-render-samples-3-frame-$frame.png"
done
# The rule explorer in both languages: a random 100 x 100 array under weighted sums of the states
# (weights 1 at the corners, 2 at the sides), Ctrl+E, the window dragged by its lower left corner
# over most of the main window so that the gallery grows to 8 x 5, a thumbnail selected and a
# second one added with Ctrl for Cross, the pointer resting on a third for its tip. Then the
# Standard figure on the same array size under the default rules and neighbourhood, the explorer's
# gallery grown from it; and a random array under the default neighbourhood, where most rule sets
# make noise that the explorer leaves out.
weights='iNeighbours[0][0]=1\niNeighbours[0][1]=2\niNeighbours[0][2]=1\niNeighbours[1][0]=2\niNeighbours[1][1]=0
iNeighbours[1][2]=2\niNeighbours[2][0]=1\niNeighbours[2][1]=2\niNeighbours[2][2]=1'
grow='xdotool mousemove 721 689 mousedown 1 sleep 0.3 mousemove 140 796 sleep 0.3 mouseup 1; sleep 3'
for language in en fr; do
    if [ "$language" = fr ]; then
        random='148 8 180 51'
    else
        random='107 8 131 73'
    fi
    shot="$out/vellicor-$language-explorer.png"
    on_display "wMaxHor=101\nwMaxVer=101\nbHomogeneousMode=0\n$weights\n" "$language" \
        "\"$root/build/shell/vellicor\" & p=\$!; sleep 4; xdotool mousemove 900 500 click 1; sleep 0.5
         set -- $random; xdotool mousemove \$1 \$2 click 1 sleep 0.5 mousemove \$3 \$4 click 1; sleep 0.5
         xdotool key ctrl+e; sleep 3; $grow
         xdotool mousemove 419 196 click 1 sleep 0.3 keydown ctrl mousemove 535 444 click 1 keyup ctrl
         xdotool mousemove 780 442; sleep 2.5; import -window root \"$shot\"; kill \$p"
    echo "$shot"
done
shot="$out/vellicor-en-explorer-standard.png"
on_display 'wMaxHor=101\nwMaxVer=101\n' en \
    "\"$root/build/shell/vellicor\" & p=\$!; sleep 4; xdotool mousemove 900 500 click 1; sleep 0.5
     xdotool key ctrl+e; sleep 3; $grow; import -window root \"$shot\"; kill \$p"
echo "$shot"
shot="$out/vellicor-en-explorer-random.png"
on_display 'wMaxHor=101\nwMaxVer=101\n' en \
    "\"$root/build/shell/vellicor\" & p=\$!; sleep 4; xdotool mousemove 900 500 click 1; sleep 0.5
     xdotool mousemove 107 8 click 1 sleep 0.5 mousemove 131 73 click 1; sleep 0.5
     xdotool key ctrl+e; sleep 3; $grow; import -window root \"$shot\"; kill \$p"
echo "$shot"
