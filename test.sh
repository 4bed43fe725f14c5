#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under Wine and Xvfb.
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"

ensure_packages
build_project
build_native

# One display for the whole run; the prefix's wineserver is started under it.
status=0
(cd "$BUILD" && under_wine_display ctest --output-on-failure --timeout 300 "$@") || status=$?
# Sanitizer-built tables and a bounded run of each fuzzer.
(cd "$BUILD/native" && ctest --output-on-failure --timeout 300 "$@") || status=$?
exit $status
