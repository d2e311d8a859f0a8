#!/usr/bin/env bash
# Builds the libFuzzer target for LoadMemberList (the "fuzz" preset: clang,
# out/fuzz/) and, with a time in seconds, runs it over a working copy of the
# committed corpus.
#   tools/fuzz-members.sh            build only -> out/fuzz/bin/fuzz_memberlist
#   tools/fuzz-members.sh 600        build, then fuzz for 600 s
# Needs clang++ and libclang-rt-14-dev (Debian).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$root/out/fuzz"
cd "$root"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc 2>/dev/null || echo 2)"
echo "built $out/bin/fuzz_memberlist"

if [[ $# -ge 1 ]]; then
  work="$out/corpus"
  mkdir -p "$work"
  cp -n "$root/tests/members/corpus/"* "$work/" 2>/dev/null || true
  cd "$out"
  # The target writes a file per input; keep it in memory where syncing is free.
  if [[ -d /dev/shm && -w /dev/shm ]]; then export TMPDIR=/dev/shm; fi
  exec "$out/bin/fuzz_memberlist" -max_total_time="$1" -max_len=4096 -print_final_stats=1 "$work"
fi
