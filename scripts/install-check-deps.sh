#!/usr/bin/env bash
# Installs what the checks against real clients need, only where missing; the
# main build never needs them and their tests skip without them:
#   libreoffice-writer-nogui, poppler-utils   open the exported RTF and turn it
#                                             into a picture
#   chromium                                  opens the demo gallery headless and
#                                             reports what did not load
#   xvfb, xdotool, x11-apps                   run the live demo on a virtual X
#                                             display, drive it and capture its
#                                             window (xwd)
#   xclip                                     copies to and reads from the X
#                                             clipboard beside the live demo
set -euo pipefail

exec bash "$(dirname "$0")/apt-install.sh" libreoffice-writer-nogui poppler-utils chromium \
  xvfb xdotool x11-apps xclip
