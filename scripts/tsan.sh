#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the threading tests under ThreadSanitizer in a build tree of their
# own (build-tsan/) and runs them once: the window's worker thread, its stop
# requests and the hand-over of its results. Called by test.sh; may be run
# alone after install_missing.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
TSAN_DIR="${TSAN_DIR:-$ROOT/build-tsan}"
cmake -S "$ROOT" -B "$TSAN_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="-fsanitize=thread -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" >/dev/null
cmake --build "$TSAN_DIR" --parallel "$(nproc)" --target tst_rechenwerk tst_engine
# Qt itself is not built for the sanitizer: what Qt's own threads (its thread
# pool, the test watchdog) do inside Qt is outside the check, and so is Qt's
# event queue, which is why the worker hands its results over under a lock of
# the standard library, where the sanitizer sees it.
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ignore_noninstrumented_modules=1"
export QT_QPA_PLATFORM=offscreen
status=0
for t in tst_rechenwerk tst_engine; do
  echo "== $t under ThreadSanitizer"
  "$TSAN_DIR/tests/$t" || status=1
done
exit $status
