#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build/fuzz and runs each one
# (every build/fuzz/tests/fuzz/fuzz_* program) for FUZZ_SECONDS (60) seconds.
# Fails when a target finds a fault; its input is kept in build/fuzz/artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-60}
build=build/fuzz

cmake -S . -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTSR_FUZZ=ON >/dev/null
cmake --build "$build" -j2

shopt -s nullglob
targets=()
for t in "$build"/tests/fuzz/fuzz_*; do
  [ -f "$t" ] && [ -x "$t" ] && targets+=("$t")
done
if [ ${#targets[@]} -eq 0 ]; then
  echo "fuzz: no fuzz targets were built" >&2
  exit 1
fi

failed=0
for t in "${targets[@]}"; do
  name=$(basename "$t")
  corpus="$build/corpus/$name"
  artifacts="$build/artifacts/$name/"
  mkdir -p "$corpus" "$artifacts"
  seeds=()
  [ -d "tests/fuzz/corpus/$name" ] && seeds=("tests/fuzz/corpus/$name")
  echo "fuzz: $name for ${seconds}s"
  if ! "$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
         -artifact_prefix="$artifacts" "$corpus" "${seeds[@]}" >"$build/$name.log" 2>&1; then
    echo "fuzz: $name FOUND A FAULT (see $build/$name.log and $artifacts)" >&2
    tail -40 "$build/$name.log" >&2
    failed=1
  else
    grep -E '^stat::number_of_executed_units' "$build/$name.log" || true
  fi
done
exit $failed
