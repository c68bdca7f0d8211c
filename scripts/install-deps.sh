#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the tests and the
# program need and the machine lacks. Quiet and quick when all is present.
set -euo pipefail

packages=(
    # toolchain
    cmake ninja-build g++ clang libclang-rt-14-dev clang-format clang-tidy
    # libraries
    qt6-base-dev libgl-dev libxcb1-dev pkg-config libgtest-dev libgmock-dev libbenchmark-dev
    # Qt's own texts in Hungarian
    qt6-translations-l10n
    # a real display and two window managers for the real-window tests and screenshots
    xvfb xauth openbox xfwm4 xdotool wmctrl x11-utils imagemagick
    # a screen reader's view: a session bus, AT-SPI and its Python bindings
    dbus-daemon at-spi2-core python3-pyatspi
    # a Wayland session with XWayland, and Qt's own Wayland platform
    weston xwayland qt6-wayland
    # fonts the window's design asks for, or their metric twins
    fonts-liberation fonts-dejavu-core
    # packaging checks
    appstream desktop-file-utils dpkg-dev file
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    if [[ "$status" != "install ok installed" ]]; then
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
