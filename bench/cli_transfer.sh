#!/usr/bin/env bash
# bench/cli_transfer.sh BUILD_DIR [RUNS]: rt410 read and rt410 write against
# rt410-radio-sim pacing at 9600 baud, each against the floor the protocol sets: the
# wire time of every byte either way (10 bits at 9600 baud) plus the 15 ms sender
# delay of every frame. The read's 63 acknowledges leave during a sender delay, so its
# strict floor leaves them out. "in" is the transfer as rt410 times it (start to the
# last byte), "process" the whole command from the shell.
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-3}
rt410=$build/src/cli/rt410
work=$(mktemp -d)
"$build/tools/radio_sim/rt410-radio-sim" --quiet >"$work/dev" 2>/dev/null &
sim=$!
trap 'kill $sim; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/dev" ] && break; sleep 0.05; done
dev=$(head -1 "$work/dev")

byte=$(echo "10 / 9600" | bc -l)
# Read: wake-up 8, password request 2, first request 5, 63 requests of 4, 64
# acknowledges; identification 9, password 7, 64 blocks of 21. 66 frames.
read_floor=$(echo "(8 + 2 + 5 + 63 * 4 + 64 + 9 + 7 + 64 * 21) * $byte + 66 * 0.015" | bc -l)
read_strict=$(echo "$read_floor - 63 * $byte" | bc -l)
# Write: wake-up 8, first block 21, 62 blocks of 20, "E"; identification 9, 63
# acknowledges. 64 frames.
write_floor=$(echo "(8 + 21 + 62 * 20 + 1 + 9 + 63) * $byte + 64 * 0.015" | bc -l)

measure() {
  local what=$1 floor=$2
  shift 2
  local start end out in process
  start=$(date +%s.%N)
  out=$("$@")
  end=$(date +%s.%N)
  in=$(echo "$out" | sed -n 's/.* \([0-9.]*\) s$/\1/p')
  process=$(echo "$end - $start" | bc -l)
  printf '%-5s in %.3f s  process %.3f s  floor %.3f s  ratio %.4f (process %.4f)\n' \
    "$what" "$in" "$process" "$floor" "$(echo "$in / $floor" | bc -l)" \
    "$(echo "$process / $floor" | bc -l)"
  echo "$in / $floor" | bc -l >>"$work/$what.ratios"
}
median() { sort -n "$work/$1.ratios" | awk '{ v[NR] = $1 } END { printf "%.4f", v[int((NR + 1) / 2)] }'; }

# The start-up image: no channels.
printf 'Location,Frequency\n' >"$work/none.csv"
"$rt410" import-csv "$work/none.csv" -o "$work/blank.chann" 2>/dev/null
printf 'floor: read %.3f s (strict, acknowledges overlapping: %.3f s), write %.3f s\n' \
  "$read_floor" "$read_strict" "$write_floor"
for run in $(seq "$runs"); do
  measure read "$read_strict" "$rt410" read -p "$dev" -o "$work/r$run.chann"
  measure write "$write_floor" "$rt410" write -p "$dev" "$work/blank.chann"
done
echo "median ratio: read $(median read)  write $(median write)"
