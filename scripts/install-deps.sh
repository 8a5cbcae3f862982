#!/usr/bin/env bash
# Installs the Debian packages that building and testing Quorvane needs, when missing.
# Usage: scripts/install-deps.sh [extra package ...]
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config liburing-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  zip unzip rsync diffutils
  arj fastjar
  qt6-base-dev poppler-utils
  dpkg-dev desktop-file-utils appstream shared-mime-info man-db
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
