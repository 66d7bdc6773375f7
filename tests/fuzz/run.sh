#!/usr/bin/env bash
# Runs the fuzz targets of a build made with -DQUORVEL_FUZZ=ON, each for SECONDS on its seeds.
#   tests/fuzz/run.sh BUILD_DIR SECONDS WORK_DIR [TARGET ...]
# The seeds are made anew in WORK_DIR from tests/data and ../shared/reports/real (reports split into
# pieces of 300 lines, each after the report's title line so that the parser reads it; the same
# pieces gzip-compressed for the decompressing reader). A crash,
# a hang or a sanitizer report fails the run, and the input that caused it is printed (Base64 and
# the first bytes in hex) and kept in WORK_DIR/artifacts.
set -euo pipefail
repo="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "$1" && pwd)"
seconds="$2"
work="$3"
shift 3
targets=("$@")
[ "${#targets[@]}" -gt 0 ] || targets=(ReportParserFuzz GzipReaderFuzz CounterSetFileFuzz DigestCounterMatchFuzz SampleTimeFuzz)
mkdir -p "$work"
work="$(cd "$work" && pwd)"

reports=("$repo"/tests/data/parser/*/report.txt "$repo"/tests/data/cli/*.txt)
[ -d "$repo/../shared/reports/real" ] && reports+=("$repo"/../shared/reports/real/*.txt)

seed_reports() {
    local out="$1" n=0
    for report in "${reports[@]}"; do
        title="$(grep -m1 'Sybase Adaptive Server Enterprise' "$report" || true)"
        split -l 300 -d -a 3 "$report" "$out/piece-$n-"
        for piece in "$out/piece-$n-"*; do
            { [ -n "$title" ] && ! head -c 4096 "$piece" | grep -q 'Sybase Adaptive Server Enterprise' &&
                printf '%s\n' "$title"; cat "$piece"; } > "$piece.txt"
            rm "$piece"
        done
        n=$((n + 1))
    done
}

# Compressed reports: the report pieces gzip-compressed, and two of them as two members of one file.
seed_compressed_reports() {
    local out="$1" pieces
    seed_reports "$out"
    gzip -n "$out"/piece-*.txt
    pieces=("$out"/piece-*.gz)
    cat "${pieces[@]:0:2}" > "$out/two-members.gz"
}

# Counter sets: the digest fixtures' counters as counter set lines, and the names as digest rows.
seed_counters() {
    local out="$1" as="$2" n=0
    for counters in "$repo"/tests/data/digest/*/counters.csv; do
        if [ "$as" = ini ]; then
            tail -n +2 "$counters" | sed 's/|/[+]/g; s/$/\r/' > "$out/counters-$n.ini"
        else
            tail -n +2 "$counters" | awk -F'|' '{ printf "[%s]_[%s]_[%s]\t%s\n", $1, $2, $3, $4 }' > "$out/names-$n.txt"
        fi
        n=$((n + 1))
    done
}

seed_sample_times() {
    local out="$1"
    printf '\0Mar 12, 2013 14:11:03' > "$out/full"
    printf '\0 14:11:03' > "$out/time-only"
    printf '\0Jun 25, 2024 11:12:31' > "$out/june"
    printf '\0Foo 31, 1999 25:61:61' > "$out/out-of-range"
}

status=0
for target in "${targets[@]}"; do
    seeds="$work/seeds/$target"
    corpus="$work/corpus/$target"
    rm -rf "$seeds"
    mkdir -p "$seeds" "$corpus" "$work/artifacts"
    case "$target" in
        ReportParserFuzz) seed_reports "$seeds"; extra=(-max_len=32768) ;;
        GzipReaderFuzz) seed_compressed_reports "$seeds"; extra=(-max_len=32768) ;;
        CounterSetFileFuzz) seed_counters "$seeds" ini; extra=(-max_len=8192) ;;
        DigestCounterMatchFuzz) seed_counters "$seeds" names; extra=(-max_len=4096) ;;
        SampleTimeFuzz) seed_sample_times "$seeds"; extra=(-max_len=256) ;;
    esac
    echo "== $target: ${seconds}s, $(ls "$seeds" | wc -l) seeds"
    log="$work/$target.log"
    if "$build/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -dict="$repo/tests/fuzz/report.dict" -print_final_stats=1 "${extra[@]}" \
        -artifact_prefix="$work/artifacts/$target-" "$corpus" "$seeds" > "$log" 2>&1; then
        grep -E '^#[0-9]+\s+DONE|^Done [0-9]+ runs|^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log" || true
    else
        status=1
        echo "!! $target failed:"
        tail -n 60 "$log"
        for artifact in "$work/artifacts/$target-"*; do
            [ -f "$artifact" ] || continue
            echo "reproducer $artifact ($(stat -c %s "$artifact") bytes), Base64:"
            base64 -w 0 "$artifact"
            echo
            head -c 512 "$artifact" | od -A d -t x1z | head -n 40
        done
    fi
done
exit "$status"
