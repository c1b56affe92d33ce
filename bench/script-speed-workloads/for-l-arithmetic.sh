sum=0 odd=0 big=0
i=1
while [ "$i" -le 20000 ]; do
  sum=$((sum + i)) r=$((i % 2))
  [ "$r" -eq 1 ] && odd=$((odd + 1))
  [ "$i" -gt 15000 ] && big=$((big + 1))
  i=$((i + 1))
done
echo "$sum $odd $big"
