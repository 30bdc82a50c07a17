#!/usr/bin/env bash
# Installs, from Debian's packages, everything Glandwise needs to build, run and test.
# Idempotent: it runs apt-get update and install only when a package is missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libqt6printsupport6 qt6-svg-dev qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev libfmt-dev
  xvfb xauth x11-utils fonts-liberation poppler-utils
  locales
  # the real readers that the tests hand every drawing: ezdxf for DXF, librsvg for SVG
  python3-ezdxf librsvg2-bin
  # CUPS: its headers for the program (the library comes with Qt's print plugin), and a
  # print server with a PDF printer for the tests
  libcups2-dev cups-daemon cups-client printer-driver-cups-pdf
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  SUDO=""
  [[ $(id -u) -ne 0 ]] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The number rules are tested under a German locale (decimal comma), which must exist.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  SUDO=""
  [[ $(id -u) -ne 0 ]] && SUDO="sudo"
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
