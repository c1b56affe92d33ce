total=0 n=0
add() {
  part=$(($1 * $2))
  total=$((total + part))
}
while :; do
  n=$((n + 1))
  add "$n" 3
  [ "$n" -lt 10000 ] || break
done
echo "$total"
