#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets (fuzz/: one per reader) with clang's libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer in a build tree of their own
# (build-fuzz/) and runs each for SECONDS (default 60), within 512 MB and 5 s
# an input. Each starts from its seed corpus (fuzz/korpus/<target>/, only
# read) and keeps what it finds in build-fuzz/korpus/<target>/. Any crash,
# hang, leak, memory hog, sanitizer report or broken invariant fails the run;
# the input that caused it lands in build-fuzz/funde/<target>/, and
#   build-fuzz/fuzz/fuzz_<target> <file>
# runs it again. Called by test.sh with a short time; may be run alone.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing "${SANITIZER_PACKAGES[@]}"
sekunden=${1:-60}
[[ $sekunden =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 [SECONDS]" >&2; exit 2; }
FUZZ_DIR="${FUZZ_DIR:-$ROOT/build-fuzz}"
cmake -S "$ROOT" -B "$FUZZ_DIR" -DKALVION_FUZZ=ON -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -gline-tables-only" \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null

ziele=()
for d in "$ROOT"/fuzz/korpus/*/; do ziele+=("$(basename "$d")"); done
cmake --build "$FUZZ_DIR" --parallel "$(nproc)" --target "${ziele[@]/#/fuzz_}"

# AddressSanitizer holds freed memory back to catch its use (256 MB by
# default); a small quarantine leaves the 512 MB to the reader itself.
export ASAN_OPTIONS="quarantine_size_mb=32"
export UBSAN_OPTIONS="print_stacktrace=1 halt_on_error=1"
export LSAN_OPTIONS="suppressions=$ROOT/tests/sanitizer/lsan.supp print_suppressions=0"
status=0
for z in "${ziele[@]}"; do
  korpus="$FUZZ_DIR/korpus/$z" funde="$FUZZ_DIR/funde/$z" protokoll="$FUZZ_DIR/fuzz_$z.log"
  mkdir -p "$korpus" "$funde"
  echo "== fuzz_$z for $sekunden s"
  if "$FUZZ_DIR/fuzz/fuzz_$z" -max_total_time="$sekunden" -rss_limit_mb=512 -timeout=5 \
       -dict="$ROOT/fuzz/$z.dict" -artifact_prefix="$funde/" -print_final_stats=1 \
       "$korpus" "$ROOT/fuzz/korpus/$z" >"$protokoll" 2>&1; then
    # "#3095 DONE cov: 3551 ft: 7195 corp: 91/3647b ...": runs, edges, features, corpus.
    grep -E '^#[0-9]+[[:space:]]+DONE' "$protokoll" | tail -1 || true
  else
    status=1
    echo "fuzz_$z FAILED; the last lines of $protokoll:"
    tail -40 "$protokoll"
  fi
done
exit $status
