#!/usr/bin/env bash
# Counts the instructions of building a level and of a crowded turn under valgrind's callgrind:
# figures that hold on any machine, however busy. Needs a build with the benchmarks
# (`make bench`, or cmake --preset release -DZALDRUN_BUILD_BENCH=ON).
#
#   scripts/count-instructions.sh [BUILD_FOLDER] [REPEAT]
#
# Prints, for every place, the mean and the heaviest level built (each of its levels REPEAT
# times, 3 by default; the endless dungeon's levels 1..40), the heaviest place, and the mean turn
# of 300 awake monsters walking toward the hero.
set -euo pipefail
build=${1:-build/release}
repeat=${2:-3}
work="$build/bench/zaldrun_count_work"
command -v valgrind >/dev/null || { echo "valgrind is not installed (apt-get install valgrind)" >&2; exit 1; }
[ -x "$work" ] || { echo "$work is missing: build with -DZALDRUN_BUILD_BENCH=ON" >&2; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# Runs the work under callgrind with a dump after each counted call; prints one line per call:
# what the program said it did, then the instructions of that call.
counted() {
  local dumps="$out/run$RANDOM"
  mkdir -p "$dumps"
  valgrind --tool=callgrind --collect-atstart=no --toggle-collect='*::Counted*' \
    --dump-after='*CountedLevel*' --dump-after='*CountedTurn*' \
    --callgrind-out-file="$dumps/callgrind.out" "$work" "$@" >"$dumps/said" 2>"$dumps/log" ||
    { cat "$dumps/log" >&2; exit 1; }
  local n=0
  while IFS= read -r said || [ -n "$said" ]; do
    n=$((n + 1))
    echo "$said $(sed -n 's/^totals: //p' "$dumps/callgrind.out.$n")"
  done <"$dumps/said"
}

echo "Instructions per level built (callgrind):"
for row in "1 1 100 the village's place" "2 1 4 the catacombs" "3 1 3 the dark cave" \
  "4 1 13 the tomb and the anthill" "5 1 40 the endless dungeon" "6 1 5 the swamp" \
  "7 1 4 the thicket"; do
  read -r place first last name <<<"$row"
  counted levels "$place" "$first" "$last" "$repeat" | tee -a "$out/levels" |
    awk -v label="place $place, $name:" '{ sum += $3; n++; if ($3 > max) { max = $3; at = $2 } }
      END { printf "  %-36s mean %9.0f over %3d levels, heaviest %9d (level %d)\n",
            label, sum / n, n, max, at }'
done
awk '{ sum[$1] += $3; n[$1]++; if ($3 > max) { max = $3; at = $1 " level " $2 } }
  END { for (p in sum) if (sum[p] / n[p] > worst) { worst = sum[p] / n[p]; place = p }
        printf "  heaviest place: %s (mean %.0f); heaviest level: place %s (%d)\n",
               place, worst, at, max }' "$out/levels"

turns=20
counted turns "$turns" | awk -v n="$turns" '{ sum += $NF }
  END { printf "Instructions per turn of 300 awake monsters: %.0f (mean of %d turns, %.0f a monster)\n",
        sum / n, n, sum / n / 300 }'
