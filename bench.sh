#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine. Not part of ./test.sh.
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"

ensure_packages
build_project

under_wine_display bash -c '
    status=0
    for bench in "$@"; do
        echo "== ${bench##*/}"
        wine "$bench" || status=$?
    done
    exit $status
' bash "$BUILD"/bench/*.exe
