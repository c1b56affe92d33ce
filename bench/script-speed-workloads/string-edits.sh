path_text='C:\Program Files\Tools\bin\tool.exe'
hits=0 n=0
while :; do
  n=$((n + 1))
  part=${path_text#???}
  part=${part%"${part#???????}"}
  swapped=$path_text
  r=
  while :; do
    case $swapped in
    *\\*) r=$r${swapped%%\\*}/ swapped=${swapped#*\\} ;;
    *) break ;;
    esac
  done
  swapped=$r$swapped
  tail=${path_text#"${path_text%????????}"}
  word=$part$n
  case $part in [pP][rR][oO][gG][rR][aA][mM]) hits=$((hits + 1)) ;; esac
  case $tail in [tT][oO][oO][lL].[eE][xX][eE]) hits=$((hits + 1)) ;; esac
  [ "$n" -lt 5000 ] || break
done
echo "$hits $part $swapped $tail $word"
