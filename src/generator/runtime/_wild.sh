# _wild MODE PATH: sets _r to the files and folders that PATH names, one a
# line, sorted as cmd sorts them (ignoring case), and fails when there is
# none. PATH is written with slashes and may hold cmd's wildcards * and ? in
# its last name; names match in any case. "*.*" is every name, and a pattern
# that ends in "." only names without an extension. MODE holds letters: f for
# files only, d for folders only, h to take hidden names (those starting with
# a dot) too, 1 to stop at the first match.
# needs: _ci _cipat _nl
# shellcheck disable=SC2154
_wild() {
  _wim=$1
  _r=
  case $2 in
  */*)
    _wid=${2%/*}/
    _win=${2##*/}
    _ci _wid "$_wid"
    ;;
  *)
    _wid=
    _win=$2
    ;;
  esac
  case $_win in
  *[*?]*) ;;
  *)
    # A name without wildcards: Windows drops the dots at its end.
    case $_win in
    *[!.]*.) _win=${_win%"${_win##*[!.]}"} ;;
    esac
    _ci _wif "$_wid$_win"
    if [ -e "$_wif" ] || [ -L "$_wif" ]; then
      case $_wim in
      *f*) [ -d "$_wif" ] && return 1 ;;
      *d*) [ -d "$_wif" ] || return 1 ;;
      esac
      _r=$_wif$_nl
      return 0
    fi
    return 1
    ;;
  esac
  _wix=
  case $_win in
  *.)
    _win=${_win%.}
    [ "$_win" = '*' ] && _wix=1
    ;;
  esac
  _cipat _wiq "$_win" w
  _wil=
  _wic=0
  _wii=$IFS
  IFS=
  set +f
  # shellcheck disable=SC2086
  case $_wim in
  *h*) set -- "$_wid"* "$_wid".* ;;
  *) set -- "$_wid"$_wiq ;;
  esac
  for _wie in "$@"; do
    _wib=${_wie##*/}
    case $_wib in
    . | ..) continue ;;
    esac
    case $_wim in
    *h*)
      # shellcheck disable=SC2254
      case $_wib in
      $_wiq) ;;
      *) continue ;;
      esac
      ;;
    esac
    [ -e "$_wie" ] || [ -L "$_wie" ] || continue
    if [ -n "$_wix" ]; then
      case $_wib in
      *.*) continue ;;
      esac
    fi
    case $_wim in
    *f*) [ -d "$_wie" ] && continue ;;
    *d*) [ -d "$_wie" ] || continue ;;
    esac
    _wil=$_wil$_wie$_nl
    _wic=$((_wic + 1))
    case $_wim in
    *1*) break ;;
    esac
  done
  set -f
  IFS=$_wii
  if [ "$_wic" -gt 1 ]; then
    _r=$(printf '%s' "$_wil" | LC_ALL=C command -p sort -f)$_nl
  else
    _r=$_wil
  fi
  [ "$_wic" -gt 0 ]
}
