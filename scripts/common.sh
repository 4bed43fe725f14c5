# Shared set-up for run.sh, test.sh and bench scripts. Sourced, not run.
# Installs what is missing (Debian 12, as root), builds with the MinGW cross
# toolchain and prepares a project-owned Wine prefix inside the build folder.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${DOTLOCK_BUILD:-$ROOT/build}"

PACKAGES=(cmake make g++-mingw-w64-i686-posix mingw-w64-tools googletest
          wine wine32:i386 xvfb xauth fonts-wqy-microhei locales
          x11-apps imagemagick clang libclang-rt-14-dev)

log() { printf '== %s\n' "$*" >&2; }

ensure_packages() {
    local missing=() p
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        dpkg --add-architecture i386
    fi
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    if ((${#missing[@]})); then
        log "installing: ${missing[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    fi
    # Wine maps the Unix locale to the ANSI code page: zh_CN.UTF-8 gives 936 (GBK).
    if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
        log "generating locale zh_CN.UTF-8"
        localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
    fi
}

build_project() {
    log "configuring and building in $BUILD"
    cmake -S "$ROOT" -B "$BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
          -DCMAKE_BUILD_TYPE="${DOTLOCK_BUILD_TYPE:-Release}" >/dev/null
    cmake --build "$BUILD" -j"$(nproc)" -- --no-print-directory
}

# The pure helpers for Linux, with sanitizers and fuzzers (native/).
build_native() {
    log "building the sanitizer tests and fuzzers in $BUILD/native"
    cmake -S "$ROOT/native" -B "$BUILD/native" -DCMAKE_CXX_COMPILER=clang++ \
          -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$BUILD/native" -j"$(nproc)" -- --no-print-directory
}

wine_env() {
    export WINEPREFIX="$BUILD/wine"
    export WINEARCH=win32
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export LC_ALL=zh_CN.UTF-8
}

# Must run with DISPLAY set: a wineserver started without a display keeps a
# display-less desktop and later windows never appear.
prepare_prefix() {
    wine_env
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        log "creating Wine prefix $WINEPREFIX"
        wineboot -i >/dev/null 2>&1
        wineserver -w
    fi
    # The marker names the settings' checksum, so an edited file is loaded again.
    local marker="$WINEPREFIX/.settings-$(md5sum < "$ROOT/scripts/prefix-settings.reg.txt" | cut -c1-12)"
    if [ ! -f "$marker" ]; then
        # regedit wants UTF-16 with a byte-order mark.
        printf '\xff\xfe' > "$BUILD/prefix-settings.reg"
        iconv -f UTF-8 -t UTF-16LE "$ROOT/scripts/prefix-settings.reg.txt" >> "$BUILD/prefix-settings.reg"
        wine regedit /S "$(winepath -w "$BUILD/prefix-settings.reg")" >/dev/null 2>&1
        wineserver -w
        touch "$marker"
    fi
}

stop_wine() {
    wine_env
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}

# Runs "$@" (from the current folder) under a fresh virtual display, with the
# prefix prepared first and its wineserver stopped after; keeps the status.
under_wine_display() {
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
        set -euo pipefail
        source "$1/scripts/common.sh"
        shift
        prepare_prefix
        status=0
        "$@" || status=$?
        stop_wine
        exit $status
    ' bash "$ROOT" "$@"
}
