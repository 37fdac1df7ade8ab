#!/usr/bin/env bash
# Installs what the fuzz build needs beside the main build's packages: clang
# and its runtime libraries with libFuzzer.
set -euo pipefail

bash "$(dirname "$0")/install-deps.sh"
bash "$(dirname "$0")/apt-install.sh" clang libclang-rt-14-dev
