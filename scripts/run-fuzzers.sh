#!/usr/bin/env bash
# Runs every fuzz target of a build folder for a while, each with its own corpus in build/.
set -euo pipefail
build=${1:-build/fuzz}
seconds=${2:-60}
status=0
for target in "$build"/fuzz/*_fuzz; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  # The data-file reader starts from the real files (the first byte picks the reader).
  if [ "$name" = data_files_fuzz ] && [ -z "$(ls -A "$corpus")" ]; then
    i=0
    for file in Monsters Items Affixes Places; do
      [ -f "$build/$file.dat" ] && { printf "\\x$(printf %02x $i)"; cat "$build/$file.dat"; } > "$corpus/seed-$file"
      i=$((i + 1))
    done
  fi
  # The level-file and save readers start from the files of a game just begun.
  if [ "$name" = level_file_fuzz ] || [ "$name" = save_file_fuzz ]; then
    if [ -z "$(ls -A "$corpus")" ]; then
      "$build/fuzz/fuzz_seeds" "$build" "$build/corpus/level_file_fuzz" \
        "$build/corpus/save_file_fuzz" || status=1
    fi
  fi
  max_len=80000
  case "$name" in
    level_file_fuzz) max_len=200000 ;;
    save_file_fuzz) max_len=600000 ;;
  esac
  echo "== $name ($seconds s)"
  "$target" -max_total_time="$seconds" -max_len="$max_len" "$corpus" || status=1
done
exit $status
