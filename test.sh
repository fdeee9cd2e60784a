#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite through CTest.
#   ./test.sh              the suite, in build/
#   ./test.sh --sanitize   the suite under AddressSanitizer and UBSan, in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")"
source ./scripts_common.sh
install_missing
dir=build
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-sanitize
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  build "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
else
  build "$dir"
fi
cd "$dir"
quiet() { grep -v -E '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed|^ +Start +[0-9]+: '; }
# The unit tests first, side by side; then the end-to-end runs in a real
# window on their own, since a machine busy with other work slows the
# program's answers to the keys they send (the screenshots and logs of a run
# that fails are kept under tests/e2e/).
status=0
ctest --output-on-failure -j "$(nproc)" --timeout 300 -LE e2e | quiet || status=1
# Under the sanitizers the program is too slow for the keyboard's pace: the
# real-window runs belong to the plain build.
if [ "$dir" = build ]; then
  ctest --output-on-failure --timeout 300 -L e2e | quiet || status=1
fi
exit "$status"
