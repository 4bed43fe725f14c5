#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine. Not part of ./test.sh.
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"

ensure_packages
build_project

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -euo pipefail
    source "'"$ROOT"'/scripts/common.sh"
    prepare_prefix
    status=0
    for bench in "$BUILD"/bench/*.exe; do
        echo "== $(basename "$bench")"
        wine "$bench" || status=$?
    done
    stop_wine
    exit $status
'
