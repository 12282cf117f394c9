#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer (and AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/, then runs each for a bounded
# time from its seed corpus. Fails on any crash, leak, sanitizer report,
# hang or broken invariant; what was found is left in build-fuzz/findings/.
# Usage: scripts/fuzz.sh [SECONDS_EACH]   (default 20)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}

scripts/deps.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMORA_FUZZ=ON >/dev/null
targets=(channel_file chirp_csv text_rules block_decoders settings_files dispatcher)
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS=suppressions=$PWD/fuzz/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
findings=build-fuzz/findings
mkdir -p "$findings"
failed=0
for t in "${targets[@]}"; do
    work=build-fuzz/corpus/$t
    mkdir -p "$work"
    # A copy: what the run finds grows there, never in the repository's seeds.
    cp fuzz/corpus/$t/* "$work/"
    [ -d fuzz/reproducers/$t ] && cp fuzz/reproducers/$t/* "$work/"
    log=$findings/$t.log
    if build-fuzz/fuzz/fuzz_$t -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/$t-" "$work" >"$log" 2>&1; then
        echo "fuzz_$t: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') runs, $(grep -o 'cov: [0-9]*' "$log" | tail -1), no finding"
    else
        echo "fuzz_$t FAILED:" >&2
        grep -E 'invariant broken|ERROR|SUMMARY|runtime error|Test unit written' "$log" >&2 || tail -20 "$log" >&2
        failed=1
    fi
done
exit $failed
