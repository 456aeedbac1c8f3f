#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Kalvion (Release) and packs it as a Debian
# package; prints the path of the .deb.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing
build
paket_dir="$BUILD_DIR/paket"
rm -f "$paket_dir"/*.deb
cpack -G DEB -B "$paket_dir" --config "$BUILD_DIR/CPackConfig.cmake" >&2
ls "$paket_dir"/*.deb
