# Sourced by the screenshot scripts after they set root (the source tree), out (the folder of the
# pictures) and targets (what they start): builds those targets in the release build and offers
# on_display.
"$root/scripts/setup.sh"
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
# shellcheck disable=SC2086
cmake --build "$root/build" -j2 --target $targets
mkdir -p "$out"
[ -n "${XDG_RUNTIME_DIR:-}" ] || export XDG_RUNTIME_DIR="$(mktemp -d)"
unset QT_QPA_PLATFORM # the program goes on the virtual display, even from a shell set up for the tests

# on_display SETTINGS LANGUAGE SCRIPT: runs the shell text SCRIPT on a fresh virtual screen of
# $screen pixels (default 1280x800) with a configuration folder of its own, whose VLR.INI holds
# the settings SETTINGS (printf text after the section line), in French when LANGUAGE is fr; the
# folder goes afterwards.
on_display() {
    config=$(mktemp -d)
    mkdir -p "$config/vellicor"
    printf "[Vellicor]\n$1" > "$config/vellicor/VLR.INI"
    if [ "$2" = fr ]; then printf 'iLanguage=0\n' >> "$config/vellicor/VLR.INI"; fi
    XDG_CONFIG_HOME="$config" xvfb-run -a -s "-screen 0 ${screen:-1280x800}x24" sh -c "$3"
    rm -rf "$config"
}
