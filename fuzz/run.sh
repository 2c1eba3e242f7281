#!/usr/bin/env bash
# Builds the fuzz programs with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) and runs
# each for a while on a corpus seeded from the built data folder.
#
#   fuzz/run.sh [SECONDS] [TARGET...]
#
# Inputs may reach 65537 bytes: one more than the largest country group file a reader takes.
# SECONDS defaults to 60 per program; without TARGET every fuzz program runs, one after the other.
# Environment: BUILD_DIR (default <source>/build-fuzz), JOBS (default 2), NICE (default 10).
# Crashes are left as crash-* files in <build>/fuzz-findings/<target>/; the script ends non-zero when a
# program found one.
set -u
SOURCE_DIR=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$SOURCE_DIR/build-fuzz}
SECONDS_EACH=${1:-60}
shift || true
JOBS=${JOBS:-2}
NICE=${NICE:-10}

export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

cmake -S "$SOURCE_DIR" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DKOLBRIN_FUZZ=ON -DKOLBRIN_TESTS=OFF -DKOLBRIN_WITH_QT=OFF >/dev/null ||
    exit 1
# The data folder is laid out by the instrumented tool: a leak report of the tool must not stop the build.
ASAN_OPTIONS=detect_leaks=0 nice -n "$NICE" cmake --build "$BUILD_DIR" -j "$JOBS" --target kolbrin_fuzz_programs kolbrin_data_folder ||
    exit 1

if [ $# -gt 0 ]; then
    targets=("$@")
else
    targets=()
    for src in "$SOURCE_DIR"/fuzz/fuzz_*.cpp; do
        name=$(basename "$src" .cpp)
        [ "$name" = fuzz_support ] || [ "$name" = fuzz_replay ] || targets+=("$name")
    done
fi

status=0
for t in "${targets[@]}"; do
    t=${t#fuzz_}
    program="$BUILD_DIR/bin/fuzz_$t"
    corpus="$BUILD_DIR/fuzz-corpus/$t"
    findings="$BUILD_DIR/fuzz-findings/$t"
    mkdir -p "$corpus" "$findings"
    # Seeds come from the entry point itself, so the corpus and the replay test start from the same files.
    if ! KOLBRIN_FUZZ_SEEDS="$BUILD_DIR/bin" KOLBRIN_FUZZ_SEED_OUT="$corpus" "$program" >/dev/null; then
        echo "fuzz_$t: no seeds could be made" >&2
        status=1
        continue
    fi
    echo "== fuzz_$t for ${SECONDS_EACH}s"
    nice -n "$NICE" "$program" "$corpus" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 \
        -max_len=65537 -print_final_stats=1 -artifact_prefix="$findings/" 2>"$findings/log.txt"
    rc=$?
    grep -E "^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::new_units_added)" "$findings/log.txt"
    if [ $rc -ne 0 ]; then
        echo "fuzz_$t: FINDING (exit $rc), see $findings" >&2
        grep -m5 -E "ERROR|runtime error|terminate|what\(\)" "$findings/log.txt" >&2
        status=1
    fi
done
exit $status
