# The order of bytes, as a hand-written script that starts no program finds
# it: the first byte that differs, by its place in the table.
table=' !"#$%&'\''()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\]^_`abcdefghijklmnopqrstuvwxyz{|}~'
before() {
  a=$1 b=$2
  while [ -n "$a" ] && [ "${a%"${a#?}"}" = "${b%"${b#?}"}" ]; do
    a=${a#?} b=${b#?}
  done
  [ -n "$b" ] || return 1
  [ -z "$a" ] && return 0
  x=${table%%"${a%"${a#?}"}"*} y=${table%%"${b%"${b#?}"}"*}
  [ "${#x}" -lt "${#y}" ]
}
lower=0 higher=0 other=0 n=0
while :; do
  n=$((n + 1))
  before apple banana && lower=$((lower + 1))
  before banana cherry && higher=$((higher + 1))
  [ "${n}x" != 7x ] && other=$((other + 1))
  before "word$n" word5 && lower=$((lower + 1))
  before Zebra apple && lower=$((lower + 1))
  [ "$n" -lt 5000 ] || break
done
echo "$lower $higher $other"
