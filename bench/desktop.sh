#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs kalvion_bench on a real X server with a window manager (Xvfb and
# openbox), where the window's thread paints as on a desktop: the figure that
# matters there is gui_vs_cli_ratio.
#   bench/desktop.sh [FIGURE]   (gui_vs_cli_ratio: that one alone)
# BUILD_DIR defaults to build/ beside this folder.
set -euo pipefail
build=${BUILD_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build}
if [[ -z ${KALVION_BENCH_INNER:-} ]]; then
  KALVION_BENCH_INNER=1 BUILD_DIR=$build exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null || true' EXIT
sleep 1
QT_QPA_PLATFORM=xcb "$build/bench/kalvion_bench" "$@"
