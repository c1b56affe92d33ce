# _type FILE...: type shows each file's bytes: a file, or every file that
# cmd's wildcards match (in any case). With several names or wildcards, each
# file's name comes first, between empty lines, on standard error as cmd
# writes it. "nul" is empty. At a name that matches nothing, or a folder, it
# stops with cmd's message and errorlevel 1; otherwise errorlevel 0.
# needs: _wp _wild _nl
# shellcheck disable=SC2154
_type() {
  if [ $# = 0 ]; then
    printf 'The syntax of the command is incorrect.\n' >&2
    _el=1
    return 1
  fi
  _tym=0
  [ $# -gt 1 ] && _tym=1
  for _tya in "$@"; do
    case $_tya in
    *[*?]*) _tym=1 ;;
    esac
  done
  for _tya in "$@"; do
    _wp _tyt "$_tya"
    case $_tyt in
    [nN][uU][lL] | [nN][uU][lL]:) continue ;;
    esac
    if ! _wild '' "$_tyt"; then
      printf 'The system cannot find the file specified.\n' >&2
      _el=1
      return 1
    fi
    _tyl=$_r
    case $_tya in
    *[*?]*) _typ=${_tya%"${_tya##*[\\/]}"} ;;
    *) _typ= ;;
    esac
    while [ -n "$_tyl" ]; do
      _tyf=${_tyl%%"$_nl"*}
      _tyl=${_tyl#*"$_nl"}
      if [ -d "$_tyf" ]; then
        [ -n "$_typ" ] && continue
        printf 'Access is denied.\n' >&2
        _el=1
        return 1
      fi
      if [ "$_tym" = 1 ]; then
        if [ -n "$_typ" ]; then
          printf '\n%s\n\n\n' "$_typ${_tyf##*/}" >&2
        else
          printf '\n%s\n\n\n' "$_tya" >&2
        fi
      fi
      command -p cat -- "$_tyf"
    done
  done
  _el=0
}
