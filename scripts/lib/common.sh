# Shared by scripts/test and scripts/demo: packages, builds, the Wine prefix and the X server.
# shellcheck shell=bash

REPO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD="$REPO_ROOT/build"

PACKAGES=(cmake ninja-build g++ googletest python3 g++-mingw-w64-x86-64-posix
    binutils-mingw-w64-x86-64 wine wine64 xvfb xdotool imagemagick x11-utils fp-utils fonts-liberation)

install_missing_packages() {
    local missing=() package
    for package in "${PACKAGES[@]}"; do
        dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

build_all() {
    cmake -S "$REPO_ROOT" -B "$BUILD/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build "$BUILD/native"
    cmake -S "$REPO_ROOT" -B "$BUILD/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$REPO_ROOT/cmake/mingw-w64-x86_64.cmake" \
        -DNATIVE_TESTS="$BUILD/native/native_tests" >/dev/null
    cmake --build "$BUILD/win"
}

# A private prefix in the build tree; every Wine process of the tests and the demo uses it.
wine_environment() {
    export WINEPREFIX="$BUILD/wineprefix"
    export WINEARCH=win64
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
    # The prefix links the profile folders into HOME: keep them out of the real one.
    export HOME="$BUILD/home"
    mkdir -p "$HOME"
}

# Starts a persistent wineserver and boots the prefix once. Wine's background processes must not
# inherit ctest's pipes, or ctest never ends: every call here has its streams on /dev/null.
wine_start() {
    wine_environment
    mkdir -p "$WINEPREFIX"
    # A server left from another run may serve another X display: start afresh on this one.
    wineserver -k </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
    wineserver -p </dev/null >/dev/null 2>&1
    # The stamp names the version of this preparation: a changed one prepares the prefix anew.
    local stamp="$WINEPREFIX/.prepared-3"
    if [ ! -f "$stamp" ]; then
        echo "Preparing the Wine prefix (once)..."
        wine wineboot -i </dev/null >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
        # Windows has Times New Roman; Wine draws its metric twin in its place.
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
            /d 'Liberation Serif' /f </dev/null >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' \
            /d 'Liberation Mono' /f </dev/null >/dev/null 2>&1
        # z: maps the host's root, which a search of fixed drives would walk.
        rm -f "$WINEPREFIX/dosdevices/z:"
        local users="$WINEPREFIX/drive_c/users/$(id -un)" link
        for link in "$users"/*; do
            if [ -L "$link" ]; then
                rm -f "$link"
                mkdir -p "$link"
            fi
        done
        touch "$stamp"
    fi
    # A fresh server starts Wine's services with the first program; start them here, with
    # their streams on /dev/null, not from a test whose output ctest reads.
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

# Keeps the Wine desktop alive between the tests' programs (see probe.cpp).
wine_hold_desktop() {
    wine "$BUILD/win/probe.exe" hold </dev/null >/dev/null 2>&1 &
}

wine_stop() {
    wineserver -k </dev/null >/dev/null 2>&1 || true
}

# Starts Xvfb on a display that it picks itself (no race with other servers) and exports DISPLAY;
# xvfb_stop ends it.
XVFB_PID=""
xvfb_start() {
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" </dev/null >/dev/null 2>&1 &
    XVFB_PID=$!
    local display=""
    read -r -t 20 display <"$fifo" || true
    rm -f "$fifo"
    if [ -z "$display" ]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$display"
}

xvfb_stop() {
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    XVFB_PID=""
}
