#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the test programs under AddressSanitizer and UndefinedBehaviorSanitizer
# in a build tree of their own (build-asan/) and runs the ctest suite once
# under them: out-of-bounds access, use after free, leaks and undefined
# behaviour (overflow, bad shifts, invalid casts, ...) end the test that meets
# them. Called by test.sh; may be run alone.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing "${SANITIZER_PACKAGES[@]}"
ASAN_DIR="${ASAN_DIR:-$ROOT/build-asan}"
# Debug keeps Q_ASSERT and Qt's own bounds checks in its headers; -O1 keeps the
# build and the suite fast enough for CI; line tables suffice for the reports.
cmake -S "$ROOT" -B "$ASAN_DIR" -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -gline-tables-only" \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
# The test programs and what they start (the command line), not the benchmark.
cmake --build "$ASAN_DIR" --parallel "$(nproc)" --target kalvion_testprogramme

export ASAN_OPTIONS="detect_leaks=1 strict_init_order=1 detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1 halt_on_error=1"
export LSAN_OPTIONS="suppressions=$ROOT/tests/sanitizer/lsan.supp print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
# Left out, each for its reason:
#   installation  installs the whole tree (both programs, the manual pages):
#                 it checks the layout, not memory, and the tree is not built here;
#   paket         the Debian package, with dpkg-shlibdeps and lintian: the same;
#   desktop       starts the real program under Xvfb with a window manager and
#                 waits for its windows with fixed time-outs; the program's
#                 code runs under the sanitizers in the widget tests already.
# Tests that cap the address space (RLIMIT_AS) skip those cases themselves:
# the sanitizers' shadow memory needs terabytes of address space.
echo "== ctest under AddressSanitizer and UndefinedBehaviorSanitizer"
cd "$ASAN_DIR"
ctest --output-on-failure --parallel "$(nproc)" -E '^(installation|paket|desktop)$'
