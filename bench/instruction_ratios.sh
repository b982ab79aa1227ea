#!/bin/sh
# Instruction counts of the compared workloads under callgrind, and their ratios. Unlike
# timings these do not move with the load of a shared machine.
# Usage: bench/instruction_ratios.sh [path/to/tessaly_bench]
set -eu
bench=${1:-build-bench/tessaly_bench}
dumps=$(mktemp -d)
trap 'rm -rf "$dumps"' EXIT
valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$dumps/out.%p" \
  "$bench" --instructions 2>"$dumps/log" || { cat "$dumps/log" >&2; exit 1; }
for dump in "$dumps"/out.*.*; do
  awk '/^desc: Trigger: Client Request: / { label = $5 }
       /^summary: / { print label, $2 }' "$dump"
done | sort >"$dumps/counts"
awk '{ ir[$1] = $2; printf "%-22s %15d instructions\n", $1, $2 }
     END {
       printf "format 65000 / 6500:   %.2f\n", ir["format-65000"] / ir["format-6500"]
       printf "fmt file / copy file:  %.2f\n", ir["fmt-file-65000"] / ir["copy-file-65000"]
       printf "annotate / indent:     %.2f\n", ir["annotate-range-65000"] / ir["indent-range-65000"]
     }' "$dumps/counts"
