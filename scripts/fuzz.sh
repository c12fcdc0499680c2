#!/usr/bin/env bash
# Fuzzes every parser of a file or text a user can hand the program, under
# the address and undefined-behaviour sanitizers: as libFuzzer programs when
# clang has libFuzzer (build/fuzz-clang), else with the standalone driver
# (build/fuzz-asan). Prints "<target>: <N> inputs, 0 crashes" per target; a
# crash leaves its input beside the target's log and the script fails.
#
#   scripts/fuzz.sh [INPUTS_PER_TARGET] [TARGET...]   (default 1000000, all)
#
# MW_FUZZ_SECONDS=S stops each target after S seconds, whatever its count;
# MW_FUZZ_PARALLEL=1 runs the targets side by side.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-1000000}"
shift || true
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
  targets=(csv tips grid_settings settings report_layout beerxml number)
fi
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="$PWD"
fi

clang=""
for c in clang++ clang++-19 clang++-18 clang++-17 clang++-16 clang++-15 clang++-14; do
  if command -v "$c" >/dev/null &&
     echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' |
       "$c" -x c++ -fsanitize=fuzzer -o /dev/null - 2>/dev/null; then
    clang="$c"
    break
  fi
done

if [[ -n $clang ]]; then
  dir=build/fuzz-clang
  cmake -S . -B "$dir" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER="$clang" -DCMAKE_CXX_FLAGS="$sanitize -fsanitize=fuzzer-no-link" \
    -DMW_LIBFUZZER=ON -DMW_BUILD_BENCH=OFF >/dev/null
else
  dir=build/fuzz-asan
  cmake -S . -B "$dir" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="$sanitize" -DMW_LIBFUZZER=OFF -DMW_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$dir" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
logs="$dir/fuzz/logs"
mkdir -p "$logs"
limit=()
if [[ -n ${MW_FUZZ_SECONDS:-} ]]; then
  limit=(-max_total_time="$MW_FUZZ_SECONDS")
fi

# Fuzzes one target; its summary line goes to $logs/fuzz_<target>.result.
fuzz_target() {
  local t="$1" program="$dir/fuzz/fuzz_$1" log="$logs/fuzz_$1.log" seeds done_runs
  mapfile -t seeds <"$dir/fuzz/fuzz_$t.seeds"
  if [[ -n $clang ]]; then
    if "$program" -runs="$runs" "${limit[@]}" -seed=1 -timeout=60 \
         -artifact_prefix="$logs/fuzz_$t-" "${seeds[@]}" >"$log" 2>&1; then
      done_runs=$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$log" | tail -1)
      echo "fuzz_$t: ${done_runs:-?} inputs, 0 crashes"
    else
      echo "fuzz_$t: CRASH, see $log"
    fi
  else
    if (cd "$logs" && "$OLDPWD/$program" -runs="$runs" "${limit[@]}" -seed=1 "${seeds[@]}") \
         >"$log" 2>&1; then
      tail -1 "$log"
    else
      echo "fuzz_$t: CRASH, see $log"
    fi
  fi >"$logs/fuzz_$t.result"
}

for t in "${targets[@]}"; do
  if [[ -n ${MW_FUZZ_PARALLEL:-} ]]; then
    fuzz_target "$t" &
  else
    fuzz_target "$t"
    cat "$logs/fuzz_$t.result"
  fi
done
wait
failed=0
for t in "${targets[@]}"; do
  [[ -n ${MW_FUZZ_PARALLEL:-} ]] && cat "$logs/fuzz_$t.result"
  if grep -q CRASH "$logs/fuzz_$t.result"; then
    failed=1
  fi
done
exit "$failed"
