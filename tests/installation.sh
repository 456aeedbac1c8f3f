#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs into an empty prefix and starts the installed program: it must come
# up and keep running (ended here after a few seconds) rather than fail.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
for f in bin/kalvion bin/kalvion-cli share/applications/kalvion.desktop share/icons/hicolor/scalable/apps/kalvion.svg; do
  [[ -e "$prefix/$f" ]] || { echo "missing: $f"; exit 1; }
done
grep -q '^Exec=kalvion$' "$prefix/share/applications/kalvion.desktop"
grep -q '^Categories=.*Science' "$prefix/share/applications/kalvion.desktop"
# The command line runs from the installed tree without a display.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/kalvion-cli" --version)
[[ $version == "kalvion-cli "* ]] || { echo "kalvion-cli --version gave: $version"; exit 1; }
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/bin/kalvion" || status=$?
[[ $status -eq 124 ]] || { echo "kalvion ended by itself with status $status"; exit 1; }
# The Python module where that interpreter looks under such a prefix, when
# KALVION_PYTHON names the interpreter it was built for.
if [[ -n ${KALVION_PYTHON:-} ]]; then
  ordner=$("$KALVION_PYTHON" -c 'import sys; print(f"lib/python{sys.version_info[0]}.{sys.version_info[1]}/site-packages")')
  [[ -f $prefix/$ordner/kalvion/__init__.pyi ]] || { echo "missing: $ordner/kalvion"; exit 1; }
  schritte=$(PYTHONPATH=$prefix/$ordner "$KALVION_PYTHON" -c 'import kalvion; print(kalvion.run().steps)')
  [[ $schritte == 6140 ]] || { echo "installed module gave: $schritte"; exit 1; }
fi
echo "installed tree starts"
