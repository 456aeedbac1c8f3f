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
# One shared sanitizer runtime for every program and the Python module: Debian's
# Python is not built for the sanitizers and gets the runtime preloaded, and
# what it starts (kalvion-cli, Dask's workers) must find the very same one.
RUNTIME="$(clang-14 -print-file-name=libclang_rt.asan-x86_64.so)"
FLAGS="-fsanitize=address,undefined -shared-libasan"
# Debug keeps Q_ASSERT and Qt's own bounds checks in its headers; -O1 keeps the
# build and the suite fast enough for CI; line tables suffice for the reports.
cmake -S "$ROOT" -B "$ASAN_DIR" -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -gline-tables-only" \
  -DCMAKE_CXX_FLAGS="$FLAGS -fno-sanitize-recover=all -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="$FLAGS -Wl,-rpath,$(dirname "$RUNTIME")" \
  -DCMAKE_SHARED_LINKER_FLAGS="$FLAGS" -DCMAKE_MODULE_LINKER_FLAGS="$FLAGS" >/dev/null
# The test programs and what they start (the command line, the Python
# module), not the benchmark.
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
status=0
ctest --output-on-failure --parallel "$(nproc)" -E '^(installation|paket|desktop|python_.*)$' || status=1
# The Python module in Debian's Python, the runtime preloaded. The interpreter
# keeps its own objects to the end and frees none at exit, so leaks are not
# looked for there; every other fault of the module's code ends the test.
if ctest -N -R '^python_' | grep -q 'python_'; then
  echo "== the Python module's tests under AddressSanitizer and UndefinedBehaviorSanitizer"
  LD_PRELOAD="$RUNTIME" ASAN_OPTIONS="detect_leaks=0 strict_init_order=1" \
    ctest --output-on-failure --parallel "$(nproc)" -R '^python_' || status=1
fi
exit $status
