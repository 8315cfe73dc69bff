#!/usr/bin/env bash
# Installs every Debian package that the build, the demo and the tests need.
# Idempotent: does nothing but a dpkg query when everything is there.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libmpv-dev libturbojpeg0-dev libasound2-dev libxcb1-dev libxcb-xtest0-dev libxcb-xinput-dev
  googletest libgtest-dev libbenchmark-dev
  ffmpeg genisoimage fuseiso fuse3 libfuse3-dev
  xvfb xauth libgl1-mesa-dri fonts-liberation
  imagemagick x11-utils xdotool openbox mutter xfwm4 metacity
  clang-format mpv
  pulseaudio pulseaudio-utils libasound2-plugins alsa-utils
  librsvg2-bin lintian desktop-file-utils appstream
  libavformat-dev dbus playerctl python3-dbusmock libxss-dev
  clang-14 libclang-rt-14-dev
  at-spi2-core python3-pyatspi
  qt6-wayland weston
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n locales
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The languages the tests run the program in.
for locale in ru_RU uk_UA; do
  if ! locale -a 2>/dev/null | grep -qix "$locale.utf8"; then
    SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO localedef -i "$locale" -c -f UTF-8 "$locale.UTF-8"
  fi
done
