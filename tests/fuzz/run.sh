#!/bin/bash
# Builds the fuzz targets with clang (in build-fuzz, through the machine's build
# lock when there is one) and runs each for SECONDS seconds over its seed corpus.
# Inputs that crash land in build-fuzz/findings/<target>/; the script fails then.
# Usage: tests/fuzz/run.sh SECONDS [target...]
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/../.."
seconds=${1:?usage: tests/fuzz/run.sh SECONDS [target...]}
shift
dir=build-fuzz

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
lock=()
if [ -e /work/.buildlock ]; then lock=(flock /work/.buildlock); fi
CC=clang CXX=clang++ cmake -S . -B "$dir" -DKESTREL_FUZZ=ON -DKESTREL_BUILD_TESTS=OFF \
  -DKESTREL_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
"${lock[@]}" cmake --build "$dir" --target kp_fuzzers -j2 >"$dir/fuzz-build.log" 2>&1 ||
  { tail -40 "$dir/fuzz-build.log"; exit 1; }

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for seeds in tests/fuzz/corpus/*/; do targets+=("$(basename "$seeds")"); done
fi

export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=0
for target in "${targets[@]}"; do
  work="$dir/corpus/$target"
  findings="$dir/findings/$target"
  mkdir -p "$work" "$findings"
  log="$dir/fuzz-$target.log"
  # New inputs go to the work folder; the seeds in the repository stay as they are.
  if "$dir/tests/fuzz/fuzz_$target" "$work" "tests/fuzz/corpus/$target" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$findings/" -print_final_stats=1 >"$log" 2>&1; then
    result=ok
  else
    result=FAILED
    failed=1
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
  printf '%-12s %-6s %s executions in %s s\n' "$target" "$result" "$runs" "$seconds"
  [ $result = ok ] || tail -30 "$log"
done
exit $failed
