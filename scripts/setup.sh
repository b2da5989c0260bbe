#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
#   bash scripts/setup.sh [PACKAGE...]   also the named packages (the fuzz run's compiler)
set -euo pipefail

# GDAL and PROJ (libgdal-dev, gdal-bin, proj-bin, python3-gdal) are the map
# program's and its read-back test's: about 20 s more from a warm package
# cache.
packages=(cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          locales python3-ezdxf xvfb xauth fonts-liberation2 fonts-wine fonts-dejavu-extra
          desktop-file-utils shared-mime-info xdg-utils libfile-mimeinfo-perl fonts-dejavu-core
          poppler-utils zlib1g-dev libgdal-dev gdal-bin proj-bin python3-gdal libpugixml-dev
          libxml2-utils "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi
