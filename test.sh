#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and runs every test through CTest.
#   ./test.sh             the normal build, in build/
#   ./test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer, in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh

build=build
flags=()
case "${1:-}" in
  "") ;;
  --sanitize)
    build=build-sanitize
    flags=(-DDL_SANITIZE=ON)
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
    export LSAN_OPTIONS="suppressions=$PWD/.ci/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    ;;
  *) echo "usage: $0 [--sanitize]" >&2; exit 2 ;;
esac

dl_ensure_packages
cmake -S . -B "$build" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
