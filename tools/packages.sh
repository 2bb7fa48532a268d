#!/usr/bin/env bash
# The Debian packages the build, the program and the tests need. Sourced by
# run.sh and test.sh; installs what is missing when run as root, otherwise
# prints the exact command and stops. dpkg-dev's dpkg-shlibdeps gives the
# Debian package (`./run.sh --package`) its dependencies.
CHRONIDEX_BUILD_PACKAGES=(cmake g++ make pkg-config qt6-base-dev qt6-multimedia-dev
    libqt6multimedia6 libjpeg-dev libxcb1-dev libxcb-xinerama0-dev libx11-dev libgtest-dev fonts-dejavu-core
    fonts-wine libical-dev dpkg-dev)
# The desktops test runs the clock under real window managers, on a nested
# two-screen server, and compares screenshots; the package check runs the
# ecosystem's checkers on the Debian package; libfaketime brings the clock
# to its nightly restart within seconds; the accessibility test reads the
# clock over the AT-SPI bus as a screen reader does; dunst is the desktop
# notification daemon the notifications test talks to.
CHRONIDEX_TEST_PACKAGES=(xvfb xauth xdotool x11-utils x11-apps imagemagick xserver-xephyr
    openbox xfwm4 icewm dbus wmctrl python3 python3-icalendar khal
    lintian appstream desktop-file-utils man-db faketime at-spi2-core python3-pyatspi dunst)
# The sessions test runs the clock in full desktop sessions: Xfce, GNOME
# Shell, KDE Plasma and sway, with the tools that read and drive them. Their
# recommendations would more than double the download and install (a whole
# desktop's applications): installed without.
CHRONIDEX_SESSION_PACKAGES=(xfce4-panel xfdesktop4 xfconf gnome-shell kwin-wayland plasma-desktop
    qtwayland5 sway grim xwayland x11-xserver-utils libglib2.0-bin dbus-bin python3-gi
    imagemagick x11-apps xdotool x11-utils xvfb)
# fuzz/run.sh: clang with libFuzzer and the sanitizer runtimes.
CHRONIDEX_FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# chronidex_install_missing [--no-install-recommends] PACKAGE...
chronidex_install_missing() {
    local missing=() pkg options=()
    if [ "${1:-}" = --no-install-recommends ]; then
        options=(--no-install-recommends)
        shift
    fi
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Install them with:"
        echo "  sudo apt-get install -y ${options[*]} ${missing[*]}"
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${options[@]}" "${missing[@]}"
}
