#!/usr/bin/env bash
# Builds the libFuzzer targets of the readers with clang and the sanitizers, and runs each from
# its seed corpus in tests/fuzz/corpus/<target> for KV_FUZZ_SECONDS (30) seconds. A crash, a
# hang (an input taking more than 10 s), a leak or a sanitizer report fails the run; the input
# that caused it is left in build/fuzz/findings. Runs only the targets named, when some are;
# KV_FUZZ_JOBS (2, one a core) of them at a time.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
kv_ensure_packages "${KV_BUILD_PACKAGES[@]}" "${KV_FUZZ_PACKAGES[@]}"

seconds=${KV_FUZZ_SECONDS:-30}
jobs=${KV_FUZZ_JOBS:-2}
build=build/fuzz
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKV_FUZZ=ON \
  -DKV_SANITIZE=ON -DKV_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
targets=("$@")
[ ${#targets[@]} -eq 0 ] && mapfile -t targets < "$build/tests/fuzz/targets.txt"
cmake --build "$build" --target "${targets[@]/#/fuzz_}"

findings=$build/findings
rm -rf "$findings" && mkdir -p "$findings"
export QT_QPA_PLATFORM=offscreen
# The readers' files go to memory where there is a tmpfs: a save syncs each file to disk.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# fuzz_one NAME: runs one target; its verdict goes to $findings/NAME.verdict.
fuzz_one() {
  local name=$1 scratch log=$findings/$1.log
  # New inputs go to a scratch folder; the seed corpus in the tree stays as committed.
  scratch=$(mktemp -d)
  if "$build/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$findings/$name-" -print_final_stats=1 \
      "$scratch" "tests/fuzz/corpus/$name" >"$log" 2>&1; then
    echo "fuzz $name: $(sed -n 's/^stat::number_of_executed_units: *//p' "$log") runs in" \
      "$seconds s, nothing found" >"$findings/$name.verdict"
  else
    echo "FAILED" >"$findings/$name.verdict"
  fi
  rm -rf "$scratch"
}

start=$SECONDS
for name in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  fuzz_one "$name" &
done
wait
failed=()
for name in "${targets[@]}"; do
  if grep -q '^FAILED' "$findings/$name.verdict"; then
    echo "fuzz $name: FAILED, see $findings/$name.log" >&2
    tail -n 40 "$findings/$name.log" >&2
    failed+=("$name")
  else
    cat "$findings/$name.verdict"
  fi
done
echo "fuzzing: ${#targets[@]} targets in $((SECONDS - start)) s"
[ ${#failed[@]} -eq 0 ] || { echo "fuzzing found faults in: ${failed[*]}" >&2; exit 1; }
