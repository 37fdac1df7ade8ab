#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
set -euo pipefail

exec bash "$(dirname "$0")/apt-install.sh" \
  cmake ninja-build g++ pkg-config python3 \
  libfreetype-dev libfontconfig-dev fonts-liberation2 \
  libpng-dev libpugixml-dev \
  libx11-dev libxext-dev libxfixes-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  libclang-rt-14-dev
