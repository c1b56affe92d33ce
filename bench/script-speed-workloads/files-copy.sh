count=0
for f in in/*.txt; do
  name=${f##*/}
  cp "$f" "out/${name%.*}.bak"
  count=$((count + 1))
  last=$name
done
echo "$count"
