#!/usr/bin/env bash
# Installs the Debian packages that Tansu builds, tests and runs with.
# Runs "apt-get update" only when something is missing, so a second run is quick.
set -euo pipefail

PACKAGES=(
  g++ make cmake pkg-config git ca-certificates
  qt6-base-dev libgl-dev
  libxml2-dev libplist-dev libzxing-dev
  libcpp-httplib-dev libsqlite3-dev libfmt-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-wqy-microhei qrencode
  lua5.4 bwbasic
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
