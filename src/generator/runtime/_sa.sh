# _sa ARGUMENT...: keeps the arguments in _av, each quoted for the shell, so
# that the dispatch loop takes on what a shift in one part of the batch file
# left (a function's shift does not reach its caller's arguments).
_sa() {
  _av=
  for _sa_a; do
    _sa_q=
    while :; do
      case $_sa_a in
      *\'*)
        _sa_q=$_sa_q${_sa_a%%\'*}\'\\\'\'
        _sa_a=${_sa_a#*\'}
        ;;
      *) break ;;
      esac
    done
    _av="$_av '$_sa_q$_sa_a'"
  done
}
