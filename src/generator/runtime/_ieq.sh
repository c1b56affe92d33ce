# _ieq A B: A and B are the same text in any case, as "if /i a==b" asks.
# needs: _lower
# shellcheck disable=SC2154 # _ieq_a and _ieq_b are set by _lower, through eval
_ieq() {
  [ "$1" = "$2" ] && return 0
  # Case folding keeps the length.
  [ "${#1}" -eq "${#2}" ] || return 1
  _lower _ieq_a "$1"
  _lower _ieq_b "$2"
  [ "$_ieq_a" = "$_ieq_b" ]
}
