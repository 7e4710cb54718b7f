# Shared by the command-line test scripts: `check DESCRIPTION CONDITION...` prints
# "ok" or "FAIL" for the condition and remembers any failure in $fail.
fail=0
check() {
  local what=$1; shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; fail=1; fi
}
