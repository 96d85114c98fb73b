#!/usr/bin/env bash
# Runs every fuzz target in a folder for a fixed time over a copy of its seeds.
#   scripts/fuzz-smoke.sh BUILD_DIR/fuzz [SECONDS] [TARGET...]
# Exits non-zero when any target crashes, leaks, hangs or finds a broken invariant; the
# input that did it is kept in BUILD_DIR/fuzz/artifacts.
#   FUZZ_SEED=N   libFuzzer's random seed; 0 draws a fresh one. The default is fixed so that
#                 a short run in the build checks the same ground each time.
#   FUZZ_KEEP=1   merge the inputs that reached new code back into fuzz/corpus/TARGET
#                 (for long runs whose findings should seed the short ones).
set -uo pipefail
cd "$(dirname "$0")/.."
bin_dir=${1:?usage: fuzz-smoke.sh BUILD_DIR/fuzz [SECONDS]}
seconds=${2:-60}
shift $(( $# < 2 ? $# : 2 ))
seed=${FUZZ_SEED:-1}
keep=${FUZZ_KEEP:-0}
corpus_root=fuzz/corpus
artifacts="$bin_dir/artifacts"
mkdir -p "$artifacts"

shopt -s nullglob
if [ $# -gt 0 ]; then
    targets=()
    for name in "$@"; do targets+=("$bin_dir/${name}_fuzz"); done
else
    targets=("$bin_dir"/*_fuzz)
fi
if [ ${#targets[@]} -eq 0 ]; then
    echo "no fuzz targets in $bin_dir (run make fuzz first)" >&2
    exit 1
fi

export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen

failed=()
for target in "${targets[@]}"; do
    name=$(basename "$target" _fuzz)
    seeds="$corpus_root/$name"
    work=$(mktemp -d)
    [ -d "$seeds" ] && cp -r "$seeds"/. "$work"/
    echo "== $name: ${seconds}s over $(ls "$work" | wc -l) seeds"
    log="$artifacts/$name.log"
    # Inputs are small; one that runs ten seconds or takes two gigabytes is a fault of its own.
    "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        -seed="$seed" -print_final_stats=1 -artifact_prefix="$artifacts/$name-" "$work" \
        >"$log" 2>&1
    status=$?
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)' "$log" | sed 's/^/   /'
    echo "   corpus: $(ls "$work" | wc -l) inputs, $(du -sk "$work" | cut -f1) KiB"
    if [ "$keep" = 1 ] && [ $status -eq 0 ]; then
        mkdir -p "$seeds"
        "$target" -merge=1 -max_len=65536 "$seeds" "$work" >>"$log" 2>&1
        echo "   kept: $(ls "$seeds" | wc -l) seeds in $seeds"
    fi
    if [ $status -ne 0 ]; then
        echo "   FAILED (exit $status); see $log"
        tail -n 30 "$log"
        failed+=("$name")
    fi
    rm -rf "$work"
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz targets that failed: ${failed[*]}" >&2
    exit 1
fi
echo "all ${#targets[@]} fuzz targets ran clean"
