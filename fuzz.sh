#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each on its corpus.
#   ./fuzz.sh [seconds per target, default 5]
# New inputs found go to build-fuzz/corpus/<target>/; crashing inputs are
# written next to it as crash-* files and end the run with a failure.
set -euo pipefail
cd "$(dirname "$0")"
source ./scripts_common.sh
PACKAGES+=(clang libclang-rt-14-dev)
install_missing
seconds="${1:-5}"
dir=build-fuzz
# Configured every time, so that a target just added is known.
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DTAVILO_FUZZ=ON >/dev/null
targets=$(sed -n 's/^tavilo_fuzz_target(\([a-z_]*\).*/\1/p' fuzz/CMakeLists.txt)
# shellcheck disable=SC2086
cmake --build "$dir" -j "$(nproc)" --target $targets >"$dir/build.log" 2>&1 ||
  { cat "$dir/build.log"; exit 1; }
for t in $targets; do
  mkdir -p "$dir/corpus/$t"
  seeds=()
  [ -d "fuzz/corpus/$t" ] && seeds=("fuzz/corpus/$t")
  echo "$t : $seconds s"
  (cd "$dir" && "./fuzz/$t" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=4096 \
     -print_final_stats=1 "corpus/$t" "${seeds[@]/#/../}" 2>"$t.log") ||
    { tail -40 "$dir/$t.log"; echo "$t a trouvé une entrée qui échoue." >&2; exit 1; }
  grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "$dir/$t.log" | tr '\n' ' '; echo
done
