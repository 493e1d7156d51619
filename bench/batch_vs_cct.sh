#!/usr/bin/env bash
# quavelor-batch against PROJ's cct on the same random points over the model
# area, with the demo model (cct reads its GTX twin, written by our own tool).
#
#   bench/batch_vs_cct.sh [BUILD_DIR] [COUNT]      defaults: build 1000000
#
# Jobs: task 1 (N, KSI, ETA) and task 2 (Hn = He − N, KSI, ETA) in each frame,
# each on COUNT points; cct on the same points: vgridshift of the model alone
# (PL-ETRF2000), then vgridshift followed by the PL-ETRF2000 → PL-ETRF89
# pipeline (PL-ETRF89).  cct computes N (or He − N in PL-ETRF2000) and writes
# it; it computes no deflection.  Prints wall time, peak memory and the ratio
# cct / quavelor-batch.  Needs /usr/bin/time (package time) and cct (proj-bin).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
count=${2:-1000000}
for tool in /usr/bin/time cct; do
  command -v "$tool" >/dev/null || { echo "batch_vs_cct: $tool is missing" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/tools/make_demo_model" "$work/quavelor_5021RM.bin"
"$build/tools/model_to_gtx" "$work/quavelor_5021RM.bin" "$work/model.gtx"
"$build/tools/random_points" "$count" 5021 "$work"
batch="$build/cli/quavelor-batch"

to89="+step +proj=cart +ellps=GRS80 +step +proj=molobadekas +convention=position_vector \
+x=0.0322 +y=0.0347 +z=0.0507 +rx=0.012689410880321368 +ry=-0.009908961292110509 \
+rz=-0.001538735454603339 +s=0.05102 +px=3696570.6268 +py=1297521.5559 +pz=5011111.0767 \
+step +inv +proj=cart +ellps=GRS80"
shift_n="+step +proj=vgridshift +grids=$work/model.gtx +multiplier=1"
shift_hn="+step +proj=vgridshift +grids=$work/model.gtx +multiplier=-1"

# measure LABEL COMMAND...: runs it, keeps "seconds peak-kB" in $work/LABEL.
measure() {
  local label=$1
  shift
  /usr/bin/time -f "%e %M" -o "$work/$label.time" "$@"
}

measure q2000_1 "$batch" --frame 2000 --tasks 1 "$work" 2>/dev/null
measure q89_1 "$batch" --frame 89 --tasks 1 "$work" 2>/dev/null
measure q2000_2 "$batch" --frame 2000 --tasks 2 "$work" 2>/dev/null
measure q89_2 "$batch" --frame 89 --tasks 2 "$work" 2>/dev/null
cp "$work/bln" "$work/bln.89"
measure cct2000_n cct -d 4 -o "$work/cct2000_n.out" +proj=pipeline $shift_n "$work/points.lonlat"
measure cct89_n cct -d 4 -o "$work/cct89_n.out" +proj=pipeline $shift_n $to89 "$work/points.lonlat"
measure cct2000_hn cct -d 4 -o "$work/cct2000_hn.out" +proj=pipeline $shift_hn "$work/points.lonlath"

# The same N from both, within the float32 rounding of the GTX twin.
worst=$(paste -d'|' <(head -n 10000 "$work/bln.89") <(head -n 10000 "$work/cct89_n.out") |
  awk -F'|' '{ split($2, c, " "); d = substr($1, 48, 9) - c[3]; if (d < 0) d = -d;
               if (d > m) m = d } END { printf "%.4f", m }')

row() {  # row LABEL QUAVELOR CCT
  read -r qs qk <"$work/$2.time"
  read -r cs ck <"$work/$3.time"
  awk -v l="$1" -v qs="$qs" -v qk="$qk" -v cs="$cs" -v ck="$ck" 'BEGIN {
    printf "%-26s %8.2f s %6.1f MB   %8.2f s %6.1f MB   %5.1fx\n",
           l, qs, qk / 1024, cs, ck / 1024, (qs > 0 ? cs / qs : 0) }'
}
echo "$count points; largest |N difference| over the first 10000 points (PL-ETRF89): $worst m"
printf "%-26s %19s   %19s   %6s\n" "job" "quavelor-batch" "cct" "ratio"
row "task 1, PL-ETRF2000" q2000_1 cct2000_n
row "task 1, PL-ETRF89" q89_1 cct89_n
row "task 2, PL-ETRF2000" q2000_2 cct2000_hn
row "task 2, PL-ETRF89" q89_2 cct89_n
