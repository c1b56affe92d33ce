count=0 sevens=0 last=
cat data.csv | {
  while IFS=, read -r _ a b _; do
    count=$((count + 1))
    [ "$a" = 0 ] && sevens=$((sevens + 1))
    last=$b
  done
  echo "$count $sevens $last"
}
