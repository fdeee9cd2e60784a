#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite through CTest.
set -euo pipefail
cd "$(dirname "$0")"
source ./scripts_common.sh
install_missing
build build
cd build
ctest --output-on-failure -j "$(nproc)" --timeout 300 |
  grep -v -E '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed|^ +Start +[0-9]+: '
exit "${PIPESTATUS[0]}"
