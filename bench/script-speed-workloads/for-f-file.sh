count=0 total=0 last=
while IFS=, read -r a b _ c; do
  count=$((count + 1)) total=$((total + b))
  last="$a $c"
done <data.csv
echo "$count $total $last"
