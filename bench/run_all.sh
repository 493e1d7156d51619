#!/usr/bin/env bash
# The speed table of the README: every task through quavelor-batch on large
# synthetic jobs, beside PROJ's cct doing the equivalent work on the same
# points and model (the GTX twin written by our own tool) and beside a plain
# `cat` of the same input file into an output file of the same size.
#
#   bench/run_all.sh [BUILD_DIR] [COUNT]     defaults: build-release 1000000
#
# Jobs (COUNT points each; task 4: 100000 points, 1,000,000 vectors):
#   task 1, PL-ETRF2000   cct: vgridshift of the model
#   task 1, PL-ETRF89     cct: vgridshift, then the PL-ETRF2000 → PL-ETRF89 pipeline
#   task 2, PL-ETRF2000   cct: vgridshift, He − N
#   task 3, PL-ETRF2000   cct: vgridshift, Hn + N
#   task 4, PL-ETRF2000   cct: vgridshift on 1,000,000 points (one N per vector)
# cct writes N or a height only, no deflection.  Columns: wall and processor
# seconds and peak resident memory (GNU time) of each, then, in processor
# time, cct / quavelor-batch (how many times faster quavelor-batch is) and
# quavelor-batch / cat (how many plain copies one run costs).
# Needs /usr/bin/time (package time) and cct (proj-bin).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build-release}" && pwd)
count=${2:-1000000}
for tool in /usr/bin/time cct; do
  command -v "$tool" >/dev/null || { echo "run_all: $tool is missing" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
batch="$build/cli/quavelor-batch"
"$build/tools/make_demo_model" "$work/quavelor_5021RM.bin"
"$build/tools/model_to_gtx" "$work/quavelor_5021RM.bin" "$work/model.gtx"
"$build/tools/random_points" "$count" 5021 "$work"
# Task 3 reads normal heights in the layout of blh_e.
cp "$work/blh_e" "$work/blh_n"
mkdir "$work/levelling"
"$build/tools/make_levelling_job" "$work/levelling" 100000 1000000
"$build/tools/random_points" 1000000 4 "$work/levelling" 2>/dev/null
rm -f "$work/levelling/bl" "$work/levelling/blh_e"

to89="+step +proj=cart +ellps=GRS80 +step +proj=molobadekas +convention=position_vector \
+x=0.0322 +y=0.0347 +z=0.0507 +rx=0.012689410880321368 +ry=-0.009908961292110509 \
+rz=-0.001538735454603339 +s=0.05102 +px=3696570.6268 +py=1297521.5559 +pz=5011111.0767 \
+step +inv +proj=cart +ellps=GRS80"
shift_by() { echo "+step +proj=vgridshift +grids=$work/model.gtx +multiplier=$1"; }

# measure LABEL COMMAND...: runs it three times and keeps, of the run that
# took the least processor time, "wall-seconds cpu-seconds peak-kB" in
# $work/LABEL.time.  Processor time (user + system) is the fairer measure on
# a machine whose cores are shared with other work; wall time is shown too.
measure() {
  local label=$1
  shift
  for run in 1 2 3; do
    /usr/bin/time -f "%e %U %S %M" -o "$work/$label.$run" "$@" >/dev/null 2>&1
  done
  awk '{ cpu = $2 + $3; if (NR == 1 || cpu < best) { best = cpu; line = $1 " " cpu " " $4 } }
       END { print line }' "$work/$label".[123] >"$work/$label.time"
}
copy() { measure "$1" sh -c 'exec cat "$1" >"$2"' copy "$2" "$work/copy.out"; }

measure q1_2000 "$batch" --frame 2000 --tasks 1 "$work"
measure q1_89 "$batch" --frame 89 --tasks 1 "$work"
measure q2 "$batch" --frame 2000 --tasks 2 "$work"
measure q3 "$batch" --frame 2000 --tasks 3 "$work"
measure q4 "$batch" --frame 2000 --tasks 4 "$work/levelling"
measure c1_2000 cct -d 4 -o "$work/cct.out" +proj=pipeline $(shift_by 1) "$work/points.lonlat"
measure c1_89 cct -d 4 -o "$work/cct.out" +proj=pipeline $(shift_by 1) $to89 "$work/points.lonlat"
measure c2 cct -d 4 -o "$work/cct.out" +proj=pipeline $(shift_by -1) "$work/points.lonlath"
measure c3 cct -d 4 -o "$work/cct.out" +proj=pipeline $(shift_by 1) "$work/points.lonlath"
measure c4 cct -d 4 -o "$work/cct.out" +proj=pipeline $(shift_by 1) "$work/levelling/points.lonlat"
copy k1 "$work/bl"
copy k2 "$work/blh_e"
copy k3 "$work/blh_n"
copy k4 "$work/levelling/deltah.gps"

row() {  # row LABEL QUAVELOR CCT COPY
  read -r qw qc qk <"$work/$2.time"
  read -r cw cc ck <"$work/$3.time"
  read -r kw kc kk <"$work/$4.time"
  awk -v l="$1" -v qw="$qw" -v qc="$qc" -v qk="$qk" -v cw="$cw" -v cc="$cc" -v ck="$ck" \
      -v kw="$kw" -v kc="$kc" -v kk="$kk" 'BEGIN {
    printf "| %-19s | %6.2f | %5.2f | %4.1f | %8.2f | %7.2f | %6.1f | %8.2f | %7.2f | %6.1f | %5s | %5s |\n",
           l, qw, qc, qk / 1024, cw, cc, ck / 1024, kw, kc, kk / 1024,
           (qc > 0 ? sprintf("%.1f", cc / qc) : "-"), (kc > 0 ? sprintf("%.0f", qc / kc) : "-") }'
}
echo "$count points (task 4: 100000 points, 1000000 vectors), $(nproc) cores;" \
  "best of three runs by processor time"
echo "q: quavelor-batch; s: seconds (wall, processor); MB: peak memory; ratios in processor time"
echo "| job                 | q wall | q cpu | q MB | cct wall | cct cpu | cct MB | cat wall | cat cpu | cat MB | cct/q | q/cat |"
echo "|---------------------|--------|-------|------|----------|---------|--------|----------|---------|--------|-------|-------|"
row "task 1, PL-ETRF2000" q1_2000 c1_2000 k1
row "task 1, PL-ETRF89" q1_89 c1_89 k1
row "task 2, PL-ETRF2000" q2 c2 k2
row "task 3, PL-ETRF2000" q3 c3 k3
row "task 4, PL-ETRF2000" q4 c4 k4
