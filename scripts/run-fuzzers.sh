#!/bin/sh
# Runs every fuzz target in <build>/fuzz for a bounded time, sharing the time
# out between them; any crash or sanitizer report fails the run.
build="$1"; total="${2:-60}"
targets=$(find "$build/fuzz" -maxdepth 1 -type f -name 'fuzz_*' -perm -u+x 2>/dev/null | sort)
[ -z "$targets" ] && { echo "no fuzz targets"; exit 0; }
n=$(echo "$targets" | wc -l)
each=$(( total / n )); [ "$each" -lt 1 ] && each=1
status=0
for t in $targets; do
  name=$(basename "$t")
  corpus="$build/fuzz/corpus-$name"; mkdir -p "$corpus"
  echo "fuzzing $name for ${each}s"
  if ! "$t" -max_total_time="$each" -timeout=10 -max_len=65536 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/fuzz/$name-" "$corpus" >"$build/fuzz/$name.log" 2>&1; then
    status=1; tail -n 40 "$build/fuzz/$name.log"
  else
    grep -E '^(stat::number_of_executed_units|Done)' "$build/fuzz/$name.log" || true
  fi
done
exit $status
