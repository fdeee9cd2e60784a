#!/usr/bin/env bash
# Installs what is missing, builds in Release and runs the performance
# measurements, each printed with its ratio to its reference (a plain read of
# the same bytes, or decoding alone). Not part of the test suite: the figures
# depend on the machine.
#   ./bench.sh                 every measurement
#   ./bench.sh editor sheets   only these (names of build/bench/bench_*)
set -euo pipefail
cd "$(dirname "$0")"
source ./scripts_common.sh
install_missing
build build
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for b in build/bench/bench_*; do
    [ -x "$b" ] && [ -f "$b" ] && names+=("${b#build/bench/bench_}")
  done
fi
if [ ${#names[@]} -eq 0 ]; then
  echo "Aucune mesure compilée : Google Benchmark (libbenchmark-dev) est-il installé ?" >&2
  exit 1
fi
export QT_QPA_PLATFORM=offscreen
for n in "${names[@]}"; do
  b="build/bench/bench_$n"
  if [ ! -x "$b" ]; then
    echo "Mesure inconnue : $n" >&2
    exit 1
  fi
  echo "=== $n"
  "$b" --benchmark_counters_tabular=true
done
