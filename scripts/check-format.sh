#!/usr/bin/env bash
# Fails when clang-format (the repository's .clang-format) would change a C++ source.
set -u
root=${1:-.}
cd "$root" || exit 2
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
  mapfile -t files < <(find src tests bench fuzz tools -name '*.cpp' -o -name '*.h' 2>/dev/null)
fi
[ ${#files[@]} -eq 0 ] && exit 0
out=$(clang-format --dry-run --Werror "${files[@]}" 2>&1)
status=$?
if [ $status -ne 0 ]; then
  echo "$out" | grep -E '^[^ ].*: (error|warning):' | cut -d: -f1 | sort -u | sed 's/^/not formatted: /'
  echo "run: clang-format -i <file> (or make format)"
fi
exit $status
