#!/usr/bin/env bash
# Installs every Debian package Quillon needs to build, run and test.
# Safe to run again: packages already present are skipped.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ninja-build ccache dpkg-dev
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libqt6opengl6-dev libgl-dev
  libcurl4-openssl-dev libssl-dev
  libboost-dev libqrencode-dev
  libxlsxwriter-dev
  zlib1g-dev libexpat1-dev
  libfreexl-dev
  libgtest-dev libgmock-dev
  libbenchmark-dev liborcus-dev
  python3-pyftpdlib python3-openssl openssl
  python3-openpyxl
  xvfb xauth
  poppler-utils
  zbar-tools
  fonts-liberation
  chromium
  zstd
  clang libclang-rt-14-dev
  locales
  lintian
  libxcb1-dev
)

# The tests run once more in a German locale (decimal commas), made here
# when the system does not have it yet.
make_test_locale() {
  if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
    local SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
  fi
}

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

# The browser test's driver, puppeteer-core, comes from npm (Debian has none).
install_browser_driver() {
  local folder
  folder="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/tests/browser"
  if command -v npm >/dev/null 2>&1 && [ ! -d "$folder/node_modules/puppeteer-core" ]; then
    npm install --prefix "$folder" --no-audit --no-fund --silent || echo "puppeteer-core not installed: the browser test will be skipped"
  fi
}

if [ ${#missing[@]} -eq 0 ]; then
  make_test_locale
  install_browser_driver
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
make_test_locale
install_browser_driver
