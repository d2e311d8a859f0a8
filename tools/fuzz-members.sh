#!/usr/bin/env bash
# Builds the libFuzzer target for LoadMemberList (outside the CMake build) and,
# with a time in seconds, runs it over a working copy of the committed corpus.
#   tools/fuzz-members.sh            build only -> out/fuzz/fuzz_memberlist
#   tools/fuzz-members.sh 600        build, then fuzz for 600 s
# Needs clang++ and libclang-rt-14-dev (Debian), Qt 6 Core.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$root/out/fuzz"
mkdir -p "$out"
qt_flags=$(pkg-config --cflags Qt6Core)
qt_libs=$(pkg-config --libs Qt6Core)
sources=(
  "$root/tools/fuzz/fuzz_memberlist.cpp"
  "$root/src/members/Cp1252.cpp"
  "$root/src/members/MemberRecord.cpp"
  "$root/src/members/MembersFile.cpp"
  "$root/src/members/MemberList.cpp"
  "$root/src/app/DatePattern.cpp"
  "$root/src/app/ProgramMessage.cpp"
  "$root/src/app/SystemDateFormat.cpp"
)
# shellcheck disable=SC2086
clang++ -std=c++20 -O1 -g -fPIC -fno-omit-frame-pointer \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$root/src/app" -I"$root/src/members" -I"$root/src/settings" $qt_flags \
  "${sources[@]}" $qt_libs -o "$out/fuzz_memberlist"
echo "built $out/fuzz_memberlist"

if [[ $# -ge 1 ]]; then
  work="$out/corpus"
  mkdir -p "$work"
  cp -n "$root/tests/members/corpus/"* "$work/" 2>/dev/null || true
  cd "$out"
  # The target writes a file per input; keep it in memory where syncing is free.
  if [[ -d /dev/shm && -w /dev/shm ]]; then export TMPDIR=/dev/shm; fi
  exec ./fuzz_memberlist -max_total_time="$1" -max_len=4096 -print_final_stats=1 "$work"
fi
