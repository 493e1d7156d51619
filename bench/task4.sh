#!/usr/bin/env bash
# Task 4 (satellite levelling) through quavelor-batch on 100000 points with
# 100,000 and with 1,000,000 vectors, and once more with every name repeated
# a thousand times.  Each job is timed as the best of three runs.  The
# 10-times larger job may take at most about 12 times as long (the limit
# below), and every job is to end within a few seconds.
#
#   bench/task4.sh [BUILD_DIR]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
batch="$build/cli/quavelor-batch"
generate="$build/tools/make_levelling_job"
for program in "$batch" "$generate"; do
  [[ -x $program ]] || { echo "task4.sh: $program is missing; build first" >&2; exit 2; }
done

readonly points=100000
readonly max_ratio=12
readonly max_seconds=5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Arithmetic on decimal seconds.
calc() { awk "BEGIN { printf \"%.3f\", $1 }"; }
above() { awk "BEGIN { exit !($1 > $2) }"; }

# best_of_three FOLDER: the shortest wall time of three runs, in seconds.
best_of_three() {
  local best="" start end took
  for _ in 1 2 3; do
    start=$(date +%s.%N)
    "$batch" --frame 2000 --tasks 4 "$1" >/dev/null 2>&1
    end=$(date +%s.%N)
    took=$(calc "$end - $start")
    if [[ -z $best ]] || above "$best" "$took"; then best=$took; fi
  done
  echo "$best"
}

# job NAME VECTORS [NAMES]: generate, time, check the result, print a line.
job() {
  local folder="$work/$1"
  mkdir -p "$folder"
  "$generate" "$folder" "$points" "$2" ${3:-}
  local seconds results
  seconds=$(best_of_three "$folder")
  # Every point lies inside the area, so every vector gets its result line.
  results=$(grep -c $' PL-ETRF2000\r$' "$folder/deltah1" || true)
  if (( results != $2 )); then
    echo "task4.sh: $1: deltah1 has $results result lines, expected $2" >&2
    exit 1
  fi
  printf '%-28s %9d vectors  %7s s\n' "$1" "$2" "$seconds" >&2
  echo "$seconds"
}

empty=$(job "no vectors" 0)
small=$(job "100,000 vectors" 100000)
large=$(job "1,000,000 vectors" 1000000)
repeated=$(job "1,000,000 vectors, 100 names" 1000000 100)

ratio=$(calc "$large / $small")
vector_ratio=$(calc "($large - $empty) / ($small - $empty)")
echo "time ratio 1,000,000 / 100,000 vectors: $ratio (vector phase alone: $vector_ratio)" >&2

status=0
if above "$ratio" "$max_ratio"; then
  echo "task4.sh: the 10-times larger job is more than $max_ratio times slower" >&2
  status=1
fi
for seconds in "$empty" "$small" "$large" "$repeated"; do
  if above "$seconds" "$max_seconds"; then
    echo "task4.sh: a job took more than $max_seconds s" >&2
    status=1
  fi
done
exit $status
