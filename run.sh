#!/usr/bin/env bash
# Builds dotlock and runs it under Wine.
#   ./run.sh [FOLDER]   with a display: starts the program (on FOLDER if given)
#   ./run.sh            without a display: a demonstration under Xvfb that locks
#                       and unlocks a sample folder, answering the real prompts
#                       from outside, and saves screenshots in build/screenshots/
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"

ensure_packages
build_project

if [ -n "${DISPLAY:-}" ]; then
    prepare_prefix
    if [ $# -gt 0 ]; then
        exec wine "$BUILD/dotlock.exe" "$(winepath -w "$1" 2>/dev/null || echo "$1")"
    fi
    exec wine "$BUILD/dotlock.exe"
fi

exec xvfb-run -a -s "-screen 0 800x600x24" bash "$ROOT/scripts/demo.sh"
