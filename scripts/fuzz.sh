#!/usr/bin/env bash
# Coverage-guided fuzzing with clang's libFuzzer, under AddressSanitizer and
# UndefinedBehaviorSanitizer: ./scripts/fuzz.sh [SECONDS] builds the targets in build-fuzz/ and
# runs each for SECONDS (60 unless told), one after the other, from its corpus in
# tests/fuzz/corpus/<target>/. What a run learns stays in build-fuzz/corpus/; an input that
# crashes a target, hangs it or breaks an invariant is copied into the target's corpus, where
# every later run replays it, and the script fails.
source "$(dirname "$0")/common.sh"
seconds=${1:-60}
ensure_packages cmake make clang libclang-rt-14-dev

step "Building the fuzz targets in build-fuzz/ with clang"
CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPIRANDELLA_QT=OFF \
    -DPIRANDELLA_TESTS=OFF -DPIRANDELLA_FUZZ=ON >/dev/null
cmake --build build-fuzz --parallel "$(nproc)" --target fuzz_outline_file fuzz_midend_events fuzz_kept_game

found=0
for target in outline_file midend_events kept_game; do
    step "Fuzzing $target for $seconds seconds"
    learnt=build-fuzz/corpus/$target findings=build-fuzz/found/$target
    mkdir -p "$learnt" "$findings"
    max_len=$(case $target in outline_file) echo 16384 ;; kept_game) echo 8192 ;; *) echo 256 ;; esac)
    log=build-fuzz/$target.log status=0
    ASAN_OPTIONS=detect_leaks=1 "build-fuzz/tests/fuzz/fuzz_$target" "$learnt" \
        "tests/fuzz/corpus/$target" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" >"$log" 2>&1 ||
        status=$?
    # Where it started and ended (executions, coverage: cov edges, ft features), and any report.
    grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)|^stat::number_of_executed_units|ERROR|SUMMARY|runtime error|^event ' \
        "$log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$log" >&2
        found=1
    fi
    for input in "$findings"/*; do
        [ -e "$input" ] || continue
        # A slow input is no fault (a hang is one: the time-out stops it and is kept); how slow
        # depends on what else the machine does, and a long kept game is slow under the sanitizers.
        case "$(basename "$input")" in slow-unit-*)
            echo "pirandella: $target: $(basename "$input") ran slowly; not kept" >&2
            rm "$input"
            continue ;;
        esac
        cp "$input" "tests/fuzz/corpus/$target/"
        echo "pirandella: $target: $(basename "$input") found; kept in tests/fuzz/corpus/$target/" >&2
        rm "$input"
        found=1
    done
done
[ "$found" -eq 0 ] || { echo "pirandella: the fuzzers found faults (see above)" >&2; exit 1; }
step "The fuzzers found nothing in $seconds seconds each"
