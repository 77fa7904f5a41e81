#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, AddressSanitizer and UBSan (build-fuzz), then
# runs each for a bounded time on a copy of its seed corpus. Fails on any crash, leak, timeout
# or excess memory. Usage: scripts/fuzz.sh [seconds-per-target] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."

segundos=${1:-60}
shift || true

CC=clang CXX=clang++ cmake -S fuzz -B build-fuzz -G Ninja >/dev/null
cmake --build build-fuzz -j "$(nproc)"

if (($#)); then
  objetivos=("$@")
else
  objetivos=()
  for fuente in fuzz/fuzz_*.cpp; do objetivos+=("$(basename "$fuente" .cpp)"); done
fi

# Each target's temporary C: drive: in memory where there is such a folder, as the writers
# flush every file to disk and a real disk would make each run a hundred times slower.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for objetivo in "${objetivos[@]}"; do
  # The inputs the fuzzer finds go to a working corpus, never into the repository's seeds.
  corpus=build-fuzz/corpus/$objetivo
  hallazgos=build-fuzz/hallazgos/$objetivo
  mkdir -p "$corpus" "$hallazgos"
  opciones=(-max_total_time="$segundos" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1
            -artifact_prefix="$hallazgos/")
  [ -f "fuzz/$objetivo.dict" ] && opciones+=(-dict="fuzz/$objetivo.dict")
  echo "== $objetivo: ${segundos}s"
  "build-fuzz/bin/$objetivo" "${opciones[@]}" "$corpus" "fuzz/corpus/$objetivo" 2>"$hallazgos/registro.txt" ||
    { tail -n 60 "$hallazgos/registro.txt"; echo "$objetivo failed; inputs in $hallazgos" >&2; exit 1; }
  grep -E '^stat::number_of_executed_units|^#[0-9]+ +DONE' "$hallazgos/registro.txt" | tail -n 2
done
