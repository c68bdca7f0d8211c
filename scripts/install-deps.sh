#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the named sets need and the
# machine lacks. Quiet and quick when all is present.
#
#   bash scripts/install-deps.sh [SET ...]     (default: program)
#
#   program   build and start the Linux program
#   windows   build the Windows program (cross-compiled with mingw-w64) and its installer
#   test      everything the test command runs, on top of program and windows
#   perf      the performance kit of tools/perf, on top of program
set -euo pipefail

program=(
    # toolchain
    cmake ninja-build g++ pkg-config
    # Qt, the X connection the window frame asks directly, and Qt's own texts in Hungarian
    qt6-base-dev libxcb1-dev qt6-translations-l10n
    # a Wayland desktop without XWayland
    qt6-wayland
    # fonts the window's design asks for, or their metric twins
    fonts-liberation fonts-dejavu-core
)
windows=(
    cmake ninja-build g++-mingw-w64-x86-64-posix
    # the installer
    nsis
)
test=(
    # the Windows program and its tests under wine, with wine's own fonts and
    # what its X11 driver loads
    wine wine64 fonts-wine libxrender1 libxrandr2 libxi6 libxcursor1 libxinerama1 libxcomposite1
    libxfixes3
    # lint, the sanitizers and the fuzzers
    clang libclang-rt-14-dev clang-format clang-tidy
    libgtest-dev libgmock-dev
    # a real display and window managers for the real-window tests and screenshots:
    # openbox, xfwm4, and KDE's KWin with its Breeze title bar
    xvfb xauth openbox xfwm4 kwin-x11 kwin-style-breeze xdotool wmctrl x11-utils imagemagick
    # a session bus of each test's own; a screen reader's view through AT-SPI
    dbus-daemon at-spi2-core python3-pyatspi
    # Wayland sessions with XWayland: weston's, GNOME's (mutter, driven over the
    # session bus from Python) and KDE's
    weston xwayland mutter python3-gi kwin-wayland
    # packaging checks
    appstream desktop-file-utils dpkg-dev file
)
perf=(
    libbenchmark-dev xvfb xauth
)

wanted=()
for set in "${@:-program}"; do
    case $set in
    program) wanted+=("${program[@]}") ;;
    windows) wanted+=("${windows[@]}") ;;
    test) wanted+=("${program[@]}" "${windows[@]}" "${test[@]}") ;;
    perf) wanted+=("${program[@]}" "${perf[@]}") ;;
    *)
        echo "install-deps: no set named $set (program, windows, test, perf)" >&2
        exit 2
        ;;
    esac
done

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    if [[ "$status" != "install ok installed" ]] && [[ " ${missing[*]} " != *" $package "* ]]; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
    if command -v sudo >/dev/null 2>&1; then
        sudo=(sudo)
    else
        echo "Halvora needs these Debian packages, and installing them needs root: ${missing[*]}" >&2
        exit 1
    fi
else
    sudo=()
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
