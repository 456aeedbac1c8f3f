#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Kalvion (Release) and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing
build --target kalvion
exec "$BUILD_DIR/app/kalvion" "$@"
