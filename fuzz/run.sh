#!/bin/sh
# Runs every fuzz target of a fuzz build for a set time each, starting from the seed
# corpus in the repository; new inputs collect in the build folder, findings too.
#   fuzz/run.sh <fuzz build folder> <seconds per target>
set -u
build=$1
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
failed=0
for target in "$build"/fuzz/fuzz_*; do
  [ -f "$target" ] && [ -x "$target" ] || continue
  name=$(basename "$target")
  mkdir -p "$build/corpus/$name" "$build/findings"
  log="$build/findings/$name.log"
  echo "== $name: $seconds s"
  if "$target" -max_total_time="$seconds" -max_len=1024 -print_final_stats=1 -artifact_prefix="$build/findings/$name-" \
       "$build/corpus/$name" "$here/corpus/$name" >"$log" 2>&1; then
    grep -E "DONE|^Done" "$log" | tail -3
  else
    failed=1
    echo "$name FOUND A PROBLEM (see $log); copy the input into fuzz/corpus/$name once it is fixed"
    grep -E "ERROR|SUMMARY|Test unit written" "$log"
  fi
done
exit $failed
