#!/bin/sh
# Pictures of the parameter dialogs (Array, Array fill, Random, Transition rules, Neighbourhood,
# Preferences, Statistics) in English and French, each opened by its command in the running
# program on a virtual display. Usage: scripts/dialog-screenshots.sh [output folder]
# (default build/screenshots/dialogs)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build/screenshots/dialogs}
targets="dialog_shots"
. "$root/scripts/screenshot-common.sh"

on_display '' en "\"$root/build/tools/dialog_shots/dialog_shots\" \"$out\""
