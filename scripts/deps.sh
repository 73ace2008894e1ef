#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# skipping quietly what is already there. Sourced by scripts/run and scripts/test.
set -euo pipefail

REBOUND_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libsimpleini-dev
  qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-charts-dev libxlsxwriter-dev
  fonts-wqy-microhei fonts-wqy-zenhei fonts-arphic-uming
  poppler-utils unzip xvfb xauth
)

rebound_install_deps() {
  local missing=()
  local pkg
  for pkg in "${REBOUND_PACKAGES[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

rebound_jobs() { nproc 2>/dev/null || echo 2; }
