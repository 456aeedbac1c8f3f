#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Kalvion and runs every test through ctest,
# once with the C locale and once with the German one, as our users run it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing
ensure_locales de_DE.UTF-8 en_US.UTF-8
build
status=0
# The worker thread once under ThreadSanitizer, the whole suite once under
# AddressSanitizer and UndefinedBehaviorSanitizer, and every reader under
# libFuzzer for a short while: each in a build tree of its own.
bash "$ROOT/scripts/tsan.sh" || status=1
bash "$ROOT/scripts/asan.sh" || status=1
bash "$ROOT/scripts/fuzz.sh" "${KALVION_FUZZ_SEKUNDEN:-20}" || status=1
cd "$BUILD_DIR"
for l in C.UTF-8 de_DE.UTF-8; do
  echo "== ctest with LANG=$l"
  LANG=$l LC_ALL=$l QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" || status=1
done
exit $status
