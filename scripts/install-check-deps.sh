#!/usr/bin/env bash
# Installs what the checks against real clients need, only where missing; the
# main build never needs them and their tests skip without them:
#   libreoffice-writer-nogui, poppler-utils   open the exported RTF and turn it
#                                             into a picture
#   chromium                                  opens the demo gallery headless and
#                                             reports what did not load
set -euo pipefail

exec bash "$(dirname "$0")/apt-install.sh" libreoffice-writer-nogui poppler-utils chromium
