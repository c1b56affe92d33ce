# _time VAR: sets VAR to the time as %TIME% shows it: hours padded with a
# space, then minutes, seconds and hundredths: " 9:05:07.31".
_time() {
  _tm_t=$(LC_ALL=C command -p date '+%k:%M:%S.%N')
  case $_tm_t in
  *.N | *.%N) _tm_t=${_tm_t%.*}.00 ;;
  *) _tm_t=${_tm_t%???????} ;;
  esac
  eval "$1=\$_tm_t"
}
