# The checks of the tool tests (source it): check WHAT EXPECTED ACTUAL, then
# check_finish NAME, which prints the summary and exits 1 on any failure.
failures=0 checks=0

check() {
  checks=$((checks + 1))
  [ "$2" == "$3" ] && return 0
  echo "FAIL [$(basename "$0" .sh)]: $1: expected '$2', got '$3'" >&2
  failures=$((failures + 1))
}

check_finish() {
  if [ $failures -gt 0 ]; then
    echo "$1: $failures of $checks checks failed"
    exit 1
  fi
  echo "$1: all $checks checks passed${2:+ $2}"
}
