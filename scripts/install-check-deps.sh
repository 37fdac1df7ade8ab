#!/usr/bin/env bash
# Installs what the optional reader checks need, only where missing: LibreOffice
# Writer (headless) to open the exported RTF, poppler-utils to turn its PDF into
# a picture. The main build never needs them; tests skip without them.
set -euo pipefail

packages=(libreoffice-writer-nogui poppler-utils)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
