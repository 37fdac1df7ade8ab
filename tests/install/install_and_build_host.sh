#!/usr/bin/env bash
# Installs the build into a fresh prefix, builds the example host against it
# with CMake (find_package) and with pkg-config, runs both headless and checks
# what they wrote and what was installed.
#   install_and_build_host.sh <build folder> <source folder> [extra compiler flags]
set -euo pipefail
build=$1 source=$2 flags=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

fail() { echo "FAILED: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

# Versioned libraries with sonames, headers under vorel/, the language modules.
soname=$(readelf -d "$prefix/lib/libvorel.so" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')
[ "$soname" = libvorel.so.0 ] || fail "libvorel.so has soname '$soname'"
[ -L "$prefix/lib/libvorel.so" ] && [ -f "$prefix/lib/libvorel-win-kernel.so.0" ] || fail "library links"
[ -f "$prefix/include/vorel/grid/RGrid.h" ] && [ -f "$prefix/include/vorel/win/Afx.h" ] || fail "headers"
[ -f "$prefix/lib/vorel/lang/vorel_048.dll" ] && [ -f "$prefix/lib/vorel/lang/vorel_049.dll" ] || fail "language modules"

check_output() {
  local out=$1
  for f in beams.png moment.png; do
    head -c 8 "$out/$f" | od -An -tx1 | grep -q "89 50 4e 47 0d 0a 1a 0a" || fail "$out/$f is not a PNG"
  done
  # The CSV as the grid exports it: BOM, the header row, one row per beam.
  [ "$(head -c 3 "$out/beams.csv" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "beams.csv has no BOM"
  [ "$(wc -l < "$out/beams.csv")" -eq 4 ] || fail "beams.csv has $(wc -l < "$out/beams.csv") lines, not 4"
  grep -q $'^B3;8.200;31\r$' "$out/beams.csv" || fail "beams.csv lacks B3's row"
}

echo "== CMake: find_package(vorel)"
cmake -S "$source/examples/beamtable" -B "$work/cmake" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_CXX_FLAGS="$flags" >/dev/null
cmake --build "$work/cmake" >/dev/null
"$work/cmake/beamtable" "$work/cmake-out"
check_output "$work/cmake-out"

echo "== pkg-config vorel"
export PKG_CONFIG_PATH=$prefix/lib/pkgconfig
[ "$(pkg-config --modversion vorel)" = "$(sed -n 's/^project(vorel VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")" ] \
  || fail "vorel.pc has version $(pkg-config --modversion vorel)"
# shellcheck disable=SC2046,SC2086
c++ $flags "$source/examples/beamtable/main.cpp" -o "$work/pc-beamtable" $(pkg-config --cflags --libs vorel) \
  -DBEAMTABLE_LANG_DIR="\"$(pkg-config --variable=langdir vorel)/\""
LD_LIBRARY_PATH=$(pkg-config --variable=libdir vorel) "$work/pc-beamtable" "$work/pc-out"
check_output "$work/pc-out"
echo "installed, built and ran the example host both ways"
