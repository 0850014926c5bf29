#!/bin/sh
# Installs what building, running and testing need on Debian 12. Does nothing when all is there.
set -eu
packages="build-essential cmake pkg-config qtbase5-dev qttools5-dev-tools qttools5-dev libqt5svg5-dev
    qttranslations5-l10n qtbase5-doc-html libxcb1-dev libxcb-shm0-dev libxcb-xtest0-dev libqt5x11extras5-dev qtbase5-private-dev
    xvfb xserver-xorg-core xserver-xorg-video-dummy xauth xdotool x11-utils imagemagick dbus util-linux iproute2 appstream lintian man-db
    sway swaybg xwayland x11-xserver-utils xdg-desktop-portal xdg-desktop-portal-wlr pipewire qtwayland5
    xdg-desktop-portal-gtk grim wtype jq libwayland-dev i3-wm openbox tint2 python3 python3-gi
    gnome-shell mutter xdg-desktop-portal-gnome dconf-service libglib2.0-bin libxkbcommon-dev
    kwin-wayland xdg-desktop-portal-kde plasma-workspace qml-module-qtquick-controls2
    qml-module-qtquick-layouts qml-module-org-kde-kirigami2 libkf5service-bin plasma-wayland-protocols
    fonts-dejavu-core fonts-noto-core fonts-noto-cjk clang-14 libclang-rt-14-dev"

missing=
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=
else
    as_root=sudo
fi
echo "Installing:$missing"
$as_root apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends $missing
