# What the rt410 end-to-end scripts share, sourced with the build folder as $1: the
# programs, a scratch folder that is the current one, simulated radios that are
# stopped at the end, and run().
set -uo pipefail
build=$(cd "$1" && pwd)
rt410=$build/src/cli/rt410
sim=$build/tools/radio_sim/rt410-radio-sim
work=$(mktemp -d)
sims=()
cleanup() {
  for p in "${sims[@]}"; do kill "$p" 2>/dev/null; done
  # radio() mostly runs in a command substitution, so each radio leaves its id in a file.
  for f in "$work"/*.pid; do [ -e "$f" ] && kill "$(cat "$f")" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
cd "$work" || exit 1
export LANG=C LC_ALL= LC_MESSAGES=
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# A radio on its own pseudo-terminal; prints the terminal's path.
radio() {
  local name=$1
  shift
  "$sim" --quiet "$@" >"$name.dev" 2>"$name.log" &
  sims+=($!)
  echo $! >"$name.pid"
  for _ in $(seq 200); do [ -s "$name.dev" ] && break; sleep 0.05; done
  head -1 "$name.dev"
}

# run CODE PATTERN COMMAND...: the exit code and a piece of stdout and stderr together.
# Input comes from $input (default: nothing).
run() {
  local code=$1 pattern=$2
  shift 2
  local got
  # out stays set for the checks that follow.
  out=$(printf '%b' "${input:-}" | timeout 180 "$@" 2>&1)
  got=$?
  if [ -n "${RT410_TRANSCRIPT:-}" ]; then
    printf '$ %s\n%s\n[exit %s]\n\n' "${*/#$rt410/rt410}" "$out" "$got"
  fi
  [ "$got" = "$code" ] || fail "$*: exit $got, expected $code: $out"
  [[ "$out" == *"$pattern"* ]] || fail "$*: no '$pattern' in: $out"
}

