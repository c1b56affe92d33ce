n=0
while :; do
  n=$((n + 1))
  [ "$n" -lt 100000 ] || break
done
echo "$n"
