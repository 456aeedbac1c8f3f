#!/usr/bin/env bash
# Installs what is missing, builds Kalvion and runs every test through ctest.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing
build
cd "$BUILD_DIR"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
