#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need,
# but only those that are missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-tools-dev qt6-l10n-tools libjpeg62-turbo-dev libcurl4-openssl-dev libsdl2-mixer-dev
  libfontconfig-dev
  libgtest-dev libbenchmark-dev libcpp-httplib-dev libespeak-ng-dev dbus-daemon
  libmicrohttpd-dev
  poppler-utils shared-mime-info
  fonts-dejavu-core fonts-urw-base35 xvfb xauth
  desktop-file-utils appstream dpkg-dev
  lintian devscripts systemd
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo_cmd=()
else
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
