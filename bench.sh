#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine and prints one table of figures
# (also kept in build/bench/table.md). Not part of ./test.sh.
# Arguments pick figures: startup composition idle size scale thunk; "steps"
# alone times the skinned start-up's steps once in a fresh process.
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"

ensure_packages
build_project

# The size figure measures the programs as shipped: stripped.
mkdir -p "$BUILD/bench/stripped"
i686-w64-mingw32-strip -o "$BUILD/bench/stripped/dotlock.exe" "$BUILD/dotlock.exe"
i686-w64-mingw32-strip -o "$BUILD/bench/stripped/plain_window.exe" "$BUILD/bench/plain_window.exe"

log "running the benchmarks (a few minutes)"
status=0
under_wine_display bash -c 'set -o pipefail; wine "$1/bench/dotlock_bench.exe" "${@:2}" | tr -d "\r" > "$1/bench/table.md"' \
    bash "$BUILD" "$@" || status=$?
cat "$BUILD/bench/table.md"
exit "$status"
