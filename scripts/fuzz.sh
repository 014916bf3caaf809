#!/usr/bin/env bash
# Builds the file readers' libFuzzer targets with ASan and UBSan and runs them one after
# another (each wants a core of its own). Usage: scripts/fuzz.sh [seconds per fuzzer]
# Exits non-zero when a fuzzer crashed; the crashing input is kept under
# build-fuzz/crashes/<name>/.
#
# Each fuzzer starts from fuzz/corpus/<name>/ and from what earlier runs here found, kept
# in build-fuzz/corpus/<name>/. scripts/fuzz.sh --merge folds those finds into
# fuzz/corpus/, minimised (libFuzzer's -merge=1 into a fresh folder), so the next run,
# in CI too, starts about where the longest one got.
set -euo pipefail

merge=0
seconds=20
if [ "${1:-}" = --merge ]; then
    merge=1
elif [ -n "${1:-}" ]; then
    seconds="$1"
fi
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
    echo "usage: $0 [seconds per fuzzer] | $0 --merge" >&2
    exit 2
fi

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz"
targets=(text language options settings history bookmark linktitles linkgroup numbers linktitle
    address apertiumstream bookmarkfile)

if ! command -v clang++ >/dev/null 2>&1; then
    echo "fuzz.sh: clang++ not found, no fuzzing done (install clang and libclang-rt-14-dev)"
    exit 0
fi

# The top-level CMakeLists picks up ccache by itself. fuzzer-no-link gives the library the
# coverage the fuzzers steer by; QUORTTRANS_SANITIZE gives it ASan and UBSan.
cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link \
    -DQUORTTRANS_SANITIZE=ON -DQUORTTRANS_FUZZERS=ON -DQUORTTRANS_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target fuzzers

work="$(mktemp -d "${TMPDIR:-/tmp}/quorttrans-fuzz.XXXXXX")"
trap 'rm -rf "$work"' EXIT

if [ "$merge" -eq 1 ]; then
    # Finds of up to 1 KB only: they reach nearly every feature the larger ones do, and
    # keep the corpora in the repository small.
    for name in "${targets[@]}"; do
        fresh="$work/merged/$name"
        small="$work/small/$name"
        mkdir -p "$fresh" "$small" "$build/corpus/$name"
        find "$build/corpus/$name" -type f -size -1025c -exec cp {} "$small/" \;
        "$build/fuzz/fuzz_$name" -merge=1 "$fresh" "$root/fuzz/corpus/$name" "$small" \
            >"$work/$name.merge.log" 2>&1 || { cat "$work/$name.merge.log"; exit 1; }
        rm -rf "$root/fuzz/corpus/$name"
        cp -R "$fresh" "$root/fuzz/corpus/$name"
        echo "$name: $(find "$fresh" -type f | wc -l) inputs, $(cat "$fresh"/* | wc -c) bytes"
    done
    exit 0
fi

# One line of 10 MB, no line end: the readers must cope with a file nobody would write.
# The 0xFC byte makes it Windows-1252, so the UTF-8 attempt runs all the way first.
bigline="$work/bigline"
pattern="$(printf '"Caption ;-; http://example.org/a,b ;- :=: KEY=1.5 M\xfcller ')"
(set +o pipefail; yes "$pattern" | tr -d '\n' | head -c 10485760 >"$bigline")

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

failed=0
summary=()
total=0
for name in "${targets[@]}"; do
    exe="$build/fuzz/fuzz_$name"
    corpus="$build/corpus/$name"
    crashes="$build/crashes/$name"
    log="$work/$name.log"
    rm -rf "$crashes"
    mkdir -p "$corpus" "$crashes"
    cp -R -n "$root/fuzz/corpus/$name/." "$corpus/"

    # Numbers come one to a line; long inputs add nothing the 10 MB line does not.
    max_len=1048576
    if [ "$name" = numbers ]; then max_len=4096; fi

    echo "== fuzz_$name: ${seconds}s"
    status=ok
    if ! "$exe" "$corpus" -max_total_time="$seconds" -max_len="$max_len" -timeout=30 \
        -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$crashes/" >"$log" 2>&1; then
        status=CRASH
    fi
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
    total=$((total + ${execs:-0}))

    # Without -max_len a file argument is run whole, as a single input.
    big=ok
    if "$exe" -timeout=300 -rss_limit_mb=4096 "$bigline" >"$log.big" 2>&1; then
        big="ok ($(sed -n 's/^Executed .* in \([0-9]*\) ms$/\1/p' "$log.big") ms)"
    else
        big=CRASH
        cp "$bigline" "$crashes/bigline"
        cat "$log.big" >>"$log"
    fi

    if [ "$status" != ok ] || [ "$big" = CRASH ]; then
        failed=1
        cp "$log" "$crashes/fuzz.log"
        grep -E 'ERROR|SUMMARY|fuzzer: |Test unit written|==[0-9]+==' "$log" | head -n 15 || true
    else
        rmdir "$crashes"
    fi
    summary+=("$(printf '%-11s %-5s %8s execs %7s exec/s  cov %-5s  10 MB line %s' \
        "$name" "$status" "${execs:-?}" "${rate:-?}" "${cov:-?}" "$big")")
done

echo
echo "Fuzzing summary (${seconds}s each):"
printf '%s\n' "${summary[@]}"
echo "total: $total executions"
if [ "$failed" -ne 0 ]; then
    echo "At least one fuzzer crashed; inputs and logs are in $build/crashes/"
    exit 1
fi
