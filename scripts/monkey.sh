#!/bin/bash
# Random input for the program: scripts/monkey.sh [EVENTS] [SEED] [EDITION]
# Builds the sanitizer build if needed, starts EDITION (vellicor or quorrel) on a virtual display
# with openbox, a fresh settings folder and a fresh working folder, and sends EVENTS random clicks,
# right clicks, double clicks, drags and keys anywhere on its windows, restarting it whenever it
# quits. Ends with one line "monkey: N events, S starts, Q normal exits, C crashes" and, for each
# crash, the sanitizer's report. A crash is a signal, a sanitizer report, a failing exit status or
# a hang: no answer to a window manager's ping for HANG_SECONDS (10) while input goes on.
# MONKEY_START_KEYS (for example "ctrl+k") are pressed after every start; MONKEY_LOGS names the
# folder that keeps the logs (default build-sanitize/monkey-EDITION-SEED).
set -eu
events=${1:-1000}
seed=${2:-1}
edition=${3:-vellicor}
root=$(cd "$(dirname "$0")/.." && pwd)
case "$edition" in vellicor | quorrel) ;; *) echo "EDITION is vellicor or quorrel" >&2; exit 2 ;; esac
hang_seconds=10

"$root/scripts/setup.sh" libx11-dev
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
build="$root/build-sanitize"
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELLICOR_SANITIZE=ON \
        -DVELLICOR_BENCHMARKS=OFF >/dev/null
fi
cmake --build "$build" -j2 --target "$edition" >/dev/null
logs=${MONKEY_LOGS:-$build/monkey-$edition-$seed}
rm -rf "$logs"
mkdir -p "$logs"
cc -O2 -o "$logs/x-ping" "$root/scripts/x-ping.c" -lX11

# The program runs from a folder of its own, as an unprivileged user when this script is root: its
# file dialogs, driven at random, can then neither delete nor overwrite anything of anyone else.
home=$(mktemp -d /tmp/monkey-home.XXXXXX)
mkdir -p "$home/config" "$home/work" "$home/runtime"
cp "$build/shell/$edition" "$home/$edition"
run_as=()
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody:nogroup "$home"
    chmod 700 "$home/runtime"
    run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
chmod 755 "$home"

exec 3>"$logs/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -ac >"$logs/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$logs/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$logs/display")"
openbox >"$logs/openbox.log" 2>&1 &
wm=$!
pid=""
cleanup() {
    [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
    kill "$wm" "$xvfb" 2>/dev/null
    rm -rf "$home"
}
trap cleanup EXIT
trap "exit 130" INT TERM
sleep 1

export ASAN_OPTIONS=detect_leaks=0:handle_abort=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
unset QT_QPA_PLATFORM
RANDOM=$seed
sent=0 starts=0 normal=0 crashes=0 batches=0 reported=0
main="" log=""
declare -a reports=()

start() {
    starts=$((starts + 1))
    log="$logs/start-$starts.log"
    (cd "$home/work" && HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" \
        exec "${run_as[@]}" "$home/$edition") >"$log" 2>&1 &
    pid=$!
    main=""
    for _ in $(seq 600); do
        main=$(xdotool search --pid "$pid" --onlyvisible 2>/dev/null | head -n 1) || true
        [ -n "$main" ] && break
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.1
    done
    for key in ${MONKEY_START_KEYS:-}; do xdotool key "$key"; sleep 0.5; done
}

# crash KIND: keeps the report of the start that just ended.
crash() {
    crashes=$((crashes + 1))
    reports+=("crash $crashes: $1 after event $sent (start $starts, log $log)
$(grep -v -e 'XDG_RUNTIME_DIR' -e 'propagateSizeHints' "$log" | tail -n 60)")
}

# Called once the program has ended: tells a normal exit from a crash.
ended() {
    local status=0
    wait "$pid" || status=$?
    pid=""
    if grep -q -e 'ERROR: AddressSanitizer' -e 'runtime error:' -e 'Sanitizer:DEADLYSIGNAL' "$log"; then
        crash "sanitizer report (exit status $status)"
    elif [ "$status" -gt 128 ]; then
        crash "signal $((status - 128))"
    elif [ "$status" -ne 0 ]; then
        crash "exit status $status"
    else
        normal=$((normal + 1))
    fi
}

hung() {
    local windows
    windows=$(xdotool search --pid "$pid" --onlyvisible 2>/dev/null) || return 1
    # shellcheck disable=SC2086
    "$logs/x-ping" "$hang_seconds" $windows
    [ $? -eq 1 ]
}

# Windows a window manager button or key took off the screen come back.
map_back() {
    local w
    for w in $(xdotool search --pid "$pid" 2>/dev/null); do
        if xprop -id "$w" WM_STATE 2>/dev/null | grep -q 'window state: Iconic'; then
            xdotool windowmap "$w" windowactivate "$w" 2>/dev/null || true
        fi
    done
    xdotool windowstate --remove SHADED "$main" 2>/dev/null || true
}

keys_fixed=(ctrl+n ctrl+p ctrl+s ctrl+r ctrl+h ctrl+o ctrl+u ctrl+l ctrl+c ctrl+z ctrl+y ctrl+k
    ctrl+shift+z Escape Escape Return Return Tab shift+Tab Left Right Up Down Menu shift+F10 F1 F11
    space BackSpace Delete Home End Prior Next)
letters=(a b c d e f g h i j k l m n o p q r s t u v w x y z)

# The program's visible windows and their places.
declare -a window_ids=() window_x=() window_y=() window_w=() window_h=()
refresh_windows() {
    local w
    window_ids=() window_x=() window_y=() window_w=() window_h=()
    for w in $(xdotool search --pid "$pid" --onlyvisible 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
        window_ids+=("$w") window_x+=("$X") window_y+=("$Y") window_w+=("$WIDTH") window_h+=("$HEIGHT")
    done
}

# Appends one random event to the batch that one xdotool call sends; false when no window shows.
declare -a batch=()
add_event() {
    local k x y width height top kind px py
    [ ${#window_ids[@]} -gt 0 ] || return 1
    k=$((RANDOM % ${#window_ids[@]}))
    x=${window_x[k]} y=${window_y[k]} width=${window_w[k]} height=${window_h[k]}
    [ "$width" -gt 0 ] && [ "$height" -gt 0 ] || return 1
    # Decorated windows other than the main one take clicks on their title bar too.
    top=0
    [ "${window_ids[k]}" != "$main" ] && [ "$y" -gt 24 ] && top=22
    px=$((x + RANDOM % width))
    py=$((y - top + RANDOM % (height + top)))
    kind=$((RANDOM % 100))
    if [ $kind -lt 30 ]; then
        batch+=(mousemove "$px" "$py" click 1)
    elif [ $kind -lt 37 ]; then
        batch+=(mousemove "$px" "$py" click 3)
    elif [ $kind -lt 45 ]; then
        batch+=(mousemove "$px" "$py" click --repeat 2 --delay 60 1)
    elif [ $kind -lt 55 ]; then
        batch+=(mousemove "$px" "$py" mousedown 1 mousemove "$((x + RANDOM % width))" "$((y + RANDOM % height))" mouseup 1)
    elif [ $kind -lt 60 ]; then
        batch+=(key "ctrl+shift+${letters[RANDOM % 26]}")
    elif [ $kind -lt 65 ]; then
        batch+=(key "$((RANDOM % 10))")
    elif [ $kind -lt 67 ]; then
        batch+=(key "${letters[RANDOM % 26]}")
    elif [ $kind -lt 99 ] || [ $((RANDOM % 8)) -ne 0 ]; then
        batch+=(key "${keys_fixed[RANDOM % ${#keys_fixed[@]}]}")
    else
        batch+=(key ctrl+q) # rare, so that most events reach a running program
    fi
    batch+=(sleep 0.015)
}

start
refresh_windows
while [ $sent -lt "$events" ]; do
    if ! kill -0 "$pid" 2>/dev/null; then
        ended
        start
        refresh_windows
        continue
    fi
    # Four events a batch, the windows looked up after every second one: a dialog that opened is
    # found soon, and one that closed only takes a few events meant for it.
    batch=()
    for _ in 1 2 3 4; do
        [ $sent -lt "$events" ] && add_event && sent=$((sent + 1))
    done
    if [ ${#batch[@]} -eq 0 ]; then
        sleep 0.2 # nothing on the screen yet
    else
        xdotool "${batch[@]}" 2>/dev/null || true
    fi
    batches=$((batches + 1))
    [ $((batches % 2)) -eq 0 ] && refresh_windows
    if [ $((batches % 6)) -eq 0 ] && kill -0 "$pid" 2>/dev/null; then
        map_back
        if hung; then
            kill -ABRT "$pid" 2>/dev/null || true # the sanitizer prints where it was stuck
            sleep 5
            kill -KILL "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
            pid=""
            crash "hang: no answer for ${hang_seconds} s"
            start
            refresh_windows
        fi
    fi
    if [ $sent -ge $((reported + 1000)) ]; then
        reported=$((reported + 1000))
        echo "monkey: $sent events so far, $starts starts, $crashes crashes" >&2
    fi
done
if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    kill -TERM "$pid" 2>/dev/null || true
    sleep 2
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
fi
pid=""

echo "monkey: $sent events, $starts starts, $normal normal exits, $crashes crashes"
for report in "${reports[@]}"; do printf '%s\n\n' "$report"; done
