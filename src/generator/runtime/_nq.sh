# _nq VAR TEXT: sets VAR to TEXT without its double quotes, as cmd reads a
# name that is quoted in part ("%~dp0"data.txt).
_nq() {
  _nqt=$2
  _nqr=
  while :; do
    case $_nqt in
    *\"*)
      _nqr=$_nqr${_nqt%%\"*}
      _nqt=${_nqt#*\"}
      ;;
    *) break ;;
    esac
  done
  eval "$1=\$_nqr\$_nqt"
}
