# The install tests' check lines: PASS or FAIL and what was checked, with the
# failures counted for the summary (sourced).
failures=0

pass() { echo "PASS  $1"; }
fail() {
  echo "FAIL  $1"
  failures=$((failures + 1))
}
check() {
  local what=$1
  shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}

# The last line and the exit status.
summary() {
  echo
  if ((failures)); then
    echo "$failures check(s) failed"
    exit 1
  fi
  echo "all checks passed"
}
