#!/usr/bin/env bash
# Fuzzes every parser of a file or text a user can hand the program, under
# the address and undefined-behaviour sanitizers: as libFuzzer programs when
# clang has libFuzzer (build/fuzz-clang), else with the standalone driver
# (build/fuzz-asan). Prints "<target>: <N> inputs, 0 crashes" per target; a
# crash leaves its input beside the target's log and the script fails.
#
#   scripts/fuzz.sh [INPUTS_PER_TARGET] [TARGET...]   (default 1000000, all)
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
failed=0
for t in "${targets[@]}"; do
  program="$dir/fuzz/fuzz_$t"
  log="$logs/fuzz_$t.log"
  mapfile -t seeds <"$dir/fuzz/fuzz_$t.seeds"
  if [[ -n $clang ]]; then
    if "$program" -runs="$runs" -seed=1 -timeout=60 -artifact_prefix="$logs/fuzz_$t-" \
         "${seeds[@]}" >"$log" 2>&1; then
      done_runs=$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$log" | tail -1)
      echo "fuzz_$t: ${done_runs:-?} inputs, 0 crashes"
    else
      echo "fuzz_$t: CRASH, see $log"
      failed=1
    fi
  else
    if (cd "$logs" && "$OLDPWD/$program" -runs="$runs" -seed=1 "${seeds[@]}") >"$log" 2>&1; then
      tail -1 "$log"
    else
      echo "fuzz_$t: CRASH, see $log"
      failed=1
    fi
  fi
done
exit "$failed"
