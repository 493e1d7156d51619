#!/usr/bin/env bash
# Assembles the program's folder and starts the program on the demo data:
#   tools/run-program.sh RELEASE_BUILD_DIR PROGRAM_DIR
# The folder gets the program, the demo model (only when no model file is
# there, so a real model put there stays) and the example inputs (only those
# not there yet, so the user's edits stay).  Without a display the batch
# command computes the demo folder instead.
set -euo pipefail
release=$1
folder=$2
model=quavelor_5021RM.bin

mkdir -p "$folder"
cp "$release/ui/Quavelor_5021RM" "$folder/"
if [[ ! -f "$folder/$model" ]]; then
  echo "Writing the demo model $folder/$model"
  "$release/tools/make_demo_model" "$folder/$model"
fi
if [[ -d examples ]]; then
  for f in examples/*; do
    [[ -f "$f" && ! -e "$folder/$(basename "$f")" ]] && cp "$f" "$folder/"
  done
fi

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  echo "Starting $folder/Quavelor_5021RM"
  exec "$folder/Quavelor_5021RM"
fi

echo "No display (DISPLAY and WAYLAND_DISPLAY are not set): the desktop program cannot start."
echo "Computing the demo folder with: quavelor-batch --frame 2000 $folder"
status=0
"$release/cli/quavelor-batch" --frame 2000 "$folder" || status=$?
echo
results=()
for f in bln blh_n.1 blh_e.1 deltah1; do
  [[ -f "$folder/$f" ]] && results+=("$folder/$f")
done
if [[ ${#results[@]} -eq 0 ]]; then
  echo "No result files were written in $folder."
else
  echo "The results are in $folder:"
  printf '  %s\n' "${results[@]}"
fi
exit "$status"
