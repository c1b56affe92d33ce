# _ieq A B: A and B are the same text in any case, as "if /i a==b" asks.
# needs: _lower
_ieq() {
  [ "$1" = "$2" ] && return 0
  _lower _a "$1"
  _lower _b "$2"
  [ "$_a" = "$_b" ]
}
