# _cd PATH: cd and chdir: the whole text is one folder name, its quotes and
# the blanks at its end aside, found in any case. Errorlevel 0, or cmd's
# message and errorlevel 1.
# needs: _nq _wp _ci
# shellcheck disable=SC2154
_cd() {
  _nq _cdt "$1"
  while :; do
    case $_cdt in
    *[' 	']) _cdt=${_cdt%?} ;;
    *) break ;;
    esac
  done
  _wp _cdt "$_cdt"
  _ci _cdt "$_cdt"
  case $_cdt in
  '')
    printf '%s\n' "$PWD"
    _el=0
    return 0
    ;;
  /*) ;;
  *) _cdt=./$_cdt ;;
  esac
  if [ -d "$_cdt" ] && cd -- "$_cdt" 2>/dev/null; then
    _el=0
    return 0
  fi
  if [ -e "$_cdt" ] && [ ! -d "$_cdt" ]; then
    printf 'The directory name is invalid.\n' >&2
  else
    printf 'The system cannot find the path specified.\n' >&2
  fi
  _el=1
  return 1
}
