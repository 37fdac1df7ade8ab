#!/usr/bin/env bash
# Retakes the README's picture of the live demo (docs/live-demo.png) under
# Xvfb: a value typed into the beam table's empty row, then the colour dialog
# opened by a click on the area-scale editor's second colour cell. Needs the
# packages of scripts/install-check-deps.sh and a built demo.
#   scripts/live-picture.sh [build folder] [picture]
set -euo pipefail

build=${1:-build}
out=${2:-docs/live-demo.png}
work=$(mktemp -d)
display=:$((90 + RANDOM % 100))

Xvfb "$display" -screen 0 1100x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
demo=
cleanup() {
  [ -n "$demo" ] && kill "$demo" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display
sleep 1
"$build/demo/vorel-demo" --live >"$work/live.log" 2>&1 &
demo=$!
for _ in $(seq 50); do grep -q 'colour cell' "$work/live.log" && break; sleep 0.1; done

# The middle of a rectangle the demo reports as "live: <what> l t r b".
middle() { awk -v what="live: $1 " 'index($0, what) == 1 { n = split($0, f, " "); print int((f[n-3] + f[n-1]) / 2), int((f[n-2] + f[n]) / 2) }' "$work/live.log"; }
window=$(sed -n 's/.*X window \(0x[0-9a-f]*\).*/\1/p' "$work/live.log")

xdotool mousemove --window "$window" $(middle "empty beam b cell") click 1
xdotool type --window "$window" 4711
xdotool key --window "$window" Return
sleep 0.5
xdotool mousemove --window "$window" $(middle "colour cell") click 1
sleep 1
xwd -silent -id "$window" -out "$work/window.xwd"

# The 32-bit ZPixmap dump as an 8-bit RGB PNG.
python3 - "$work/window.xwd" "$out" <<'PY'
import struct, sys, zlib
data = open(sys.argv[1], 'rb').read()
h = struct.unpack('>25I', data[:100])
size, fmt, width, height, order, bpp, bpl = h[0], h[2], h[4], h[5], h[7], h[11], h[12]
masks, ncolors = h[14:17], h[19]
assert fmt == 2 and bpp == 32
shifts = [(m & -m).bit_length() - 1 for m in masks]
start = size + 12 * ncolors
rows = []
for y in range(height):
    pixels = struct.unpack(('<' if order == 0 else '>') + '%dI' % width, data[start + y * bpl:start + y * bpl + 4 * width])
    rows.append(b'\0' + bytes(v for p in pixels for v in ((p >> s) & 255 for s in shifts)))
def chunk(kind, body):
    return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))
open(sys.argv[2], 'wb').write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0))
                              + chunk(b'IDAT', zlib.compress(b''.join(rows), 9)) + chunk(b'IEND', b''))
PY
echo "wrote $out"
