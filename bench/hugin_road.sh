#!/usr/bin/env bash
# Hugin 2022's road over the views bench_stitchroad stitches: writes them,
# then times pto_gen (field of view 20 % under the truth of 60 degrees, as
# ours starts without one), cpfind --multirow, cpclean, autooptimiser
# -a -m -l -s, nona and enblend, and prints the optimised images' field of
# view, yaw, pitch and roll. Needs hugin-tools and enblend.
# Usage: bench/hugin_road.sh [build dir]   (default build/bench)
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$ROOT/build/bench}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
VELLUMAR_STITCHROAD_VIEWS=$work QT_QPA_PLATFORM=offscreen \
  "$build/bench/bench_stitchroad" --benchmark_filter=BM_OursAlign >/dev/null 2>&1
cd "$work"
timed() {
  local start end
  start=$(date +%s.%N)
  "$@" >"log.$1" 2>&1 || { echo "$1 failed"; cat "log.$1"; exit 1; }
  end=$(date +%s.%N)
  printf '%-14s %8.2f s\n' "$1" "$(echo "$end - $start" | bc)"
}
timed pto_gen -f 48 -o p.pto view*.tif
timed cpfind --multirow -o p.pto p.pto
timed cpclean -o p.pto p.pto
timed autooptimiser -a -m -l -s -o p.pto p.pto
timed nona -m TIFF_m -o out p.pto
timed enblend -o pano.tif out*.tif
echo "optimised images (v field of view, y yaw, p pitch, r roll, degrees):"
grep '^i ' p.pto | grep -oE ' (v|y|p|r)[-0-9.e]+' | paste -sd' ' -
