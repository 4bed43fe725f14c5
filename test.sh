#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under Wine and Xvfb.
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"

ensure_packages
build_project

# One display for the whole run; the prefix's wineserver is started under it.
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -euo pipefail
    source "'"$ROOT"'/scripts/common.sh"
    prepare_prefix
    status=0
    (cd "$BUILD" && ctest --output-on-failure --timeout 300 "$@") || status=$?
    stop_wine
    exit $status
' bash "$@"
