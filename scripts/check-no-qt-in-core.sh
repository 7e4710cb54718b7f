#!/usr/bin/env bash
# Fails when a source of the core library includes a Qt header.
set -u
root=${1:-.}
core_dirs="common design calc formats report figures"
hits=$(cd "$root/src" && grep -rnE '#\s*include\s*[<"]Q[A-Za-z]*[>"/]|#\s*include\s*[<"]Qt' $core_dirs 2>/dev/null)
if [ -n "$hits" ]; then
  echo "Qt headers in the core library:"; echo "$hits"; exit 1
fi
exit 0
