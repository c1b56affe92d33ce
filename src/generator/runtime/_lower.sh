# _lower VAR TEXT: sets VAR to TEXT with ASCII letters in lower case, as cmd
# compares text that ignores case, without starting a program.
_lower() {
  case $2 in
  *[ABCDEFGHIJKLMNOPQRSTUVWXYZ]*) ;;
  *)
    eval "$1=\$2"
    return
    ;;
  esac
  _lwt=$2
  _lwr=
  while [ -n "$_lwt" ]; do
    case $_lwt in
    [ABCDEFGHIJKLMNOPQRSTUVWXYZ]*)
      _lwn=${_lwt#?}
      _lwc=${_lwt%"$_lwn"}
      _lwu=${_lowpairs#*"$_lwc"}
      _lwr=$_lwr${_lwu%"${_lwu#?}"}
      _lwt=$_lwn
      ;;
    *)
      # Copy everything up to the next upper-case letter at once.
      _lwn=${_lwt%%[ABCDEFGHIJKLMNOPQRSTUVWXYZ]*}
      _lwr=$_lwr$_lwn
      _lwt=${_lwt#"$_lwn"}
      ;;
    esac
  done
  eval "$1=\$_lwr"
}
_lowpairs=AaBbCcDdEeFfGgHhIiJjKkLlMmNnOoPpQqRrSsTtUuVvWwXxYyZz
