#!/usr/bin/env bash
# Builds the benchmarks in the build users get (scripts/start.sh's tree),
# runs every benchmark program and prints one table: each item's median
# time over several repetitions against its target from bench/targets.tsv.
#   scripts/bench.sh [REPETITIONS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build -DTOLVAR_BENCHMARKS=ON
repetitions=${1:-5}

echo "| program | item | median | target | meets |"
echo "|---|---|---|---|---|"
# Under Xvfb, so that the 3D View's benchmark has an OpenGL display.
for program in build/bench/*-bench; do
  xvfb-run -a -s "-screen 0 1280x1024x24" "$program" --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
    --benchmark_color=false 2>/dev/null |
    awk -v program="$(basename "$program")" -f scripts/bench-table.awk bench/targets.tsv -
done
