# _move [/Y | /-Y] SOURCE... DESTINATION: move moves the files that each
# SOURCE names (cmd's wildcards, in any case), or a folder, into the folder
# DESTINATION, or to the new name DESTINATION. With wildcards it lists each
# file it moves, then says how many it moved ("        1 file(s) moved.", or
# "dir(s)" for a folder). In a batch file it overwrites without asking, unless
# /-y (or /-y in COPYCMD): then it asks "Overwrite NAME? (Yes/No/All): ".
# Errorlevel 0, or cmd's message and errorlevel 1.
# needs: _wp _ci _wild _ask _nl _sw _guard
# shellcheck disable=SC2154
_move() {
  _mvy=1
  case ${COPYCMD-} in
  */-[yY]*) _mvy=0 ;;
  esac
  _mvn=0
  _mvd=
  for _mvw in "$@"; do
    _sw "$_mvw"
    case $_swp$_mvw in
    /[yY]) _mvy=1 ;;
    /-[yY]) _mvy=0 ;;
    /*)
      printf 'Invalid switch - %s\n' "$_mvw" >&2
      _el=1
      return 1
      ;;
    *)
      _mvn=$((_mvn + 1))
      _mvd=$_mvw
      ;;
    esac
  done
  if [ "$_mvn" -lt 2 ]; then
    printf 'The syntax of the command is incorrect.\n' >&2
    _el=1
    return 1
  fi
  _wp _mvt "$_mvd"
  _ci _mvt "$_mvt"
  _mvin=0
  if [ -d "$_mvt" ]; then
    _mvin=1
    _mvt=${_mvt%/}/
  else
    case $_mvt in
    */) _mvp=/nonexistent ;;
    */*) _mvp=${_mvt%/*} ;;
    *) _mvp=. ;;
    esac
    if [ ! -d "${_mvp:-/}" ]; then
      printf 'The system cannot find the path specified.\n' >&2
      _el=1
      return 1
    fi
  fi
  # The sources, each found in any case.
  _mvl=
  _mvw=0
  _mvi=0
  for _mva in "$@"; do
    _sw "$_mva"
    case $_swp$_mva in
    /*) continue ;;
    esac
    _mvi=$((_mvi + 1))
    [ "$_mvi" = "$_mvn" ] && break
    _wp _mvs "$_mva"
    case ${_mvs##*/} in
    *[*?]*) _mvw=1 ;;
    esac
    if _wild '' "$_mvs"; then
      _mvl=$_mvl$_r
    fi
  done
  if [ -z "$_mvl" ]; then
    printf 'The system cannot find the file specified.\n' >&2
    _el=1
    return 1
  fi
  case $_mvl in
  *"$_nl"?*)
    if [ "$_mvin" = 0 ]; then
      printf 'Cannot move multiple files to a single file.\n' >&2
      _el=1
      return 1
    fi
    ;;
  esac
  # Nothing moves when the guard refuses a source or where it would go.
  _mvg=$_mvl
  while [ -n "$_mvg" ]; do
    _mvf=${_mvg%%"$_nl"*}
    _mvg=${_mvg#*"$_nl"}
    _mvo=$_mvt
    [ "$_mvin" = 1 ] && _mvo=$_mvt${_mvf##*/}
    _guard move "$_mvf" && _guard move "$_mvo" && continue
    return 1
  done
  _mvc=0
  _mvk='file'
  _mvall=0
  _mvr=0
  while [ -n "$_mvl" ]; do
    _mvf=${_mvl%%"$_nl"*}
    _mvl=${_mvl#*"$_nl"}
    if [ "$_mvin" = 1 ]; then
      _mvo=$_mvt${_mvf##*/}
    else
      _mvo=$_mvt
    fi
    case $_mvf in
    /*) _mvb=$_mvf ;;
    *) _mvb=$PWD/${_mvf#./} ;;
    esac
    [ "$_mvw" = 1 ] && printf '%s\n' "$_mvb"
    # dash's test knows -ef: the same file under two names.
    # shellcheck disable=SC3013
    if [ "$_mvf" -ef "$_mvo" ] || [ "$_mvf" -ef "$_mvt" ]; then
      if [ -d "$_mvf" ]; then
        printf 'The process cannot access the file because it is being used by another process.\n' >&2
        _mvr=1
        continue
      fi
      _mvc=$((_mvc + 1))
      continue
    fi
    if [ -d "$_mvf" ]; then
      _mvk=dir
      if [ -e "$_mvo" ]; then
        printf 'Access is denied.\n' >&2
        _mvr=1
        continue
      fi
    elif [ -e "$_mvo" ]; then
      if [ -d "$_mvo" ]; then
        printf 'Access is denied.\n' >&2
        _mvr=1
        continue
      fi
      if [ "$_mvy" = 0 ] && [ "$_mvall" = 0 ]; then
        case $_mvo in
        /*) _mvb=$_mvo ;;
        *) _mvb=$PWD/${_mvo#./} ;;
        esac
        if ! _ask "Overwrite $_mvb? (Yes/No/All): " YNA; then
          if [ -z "$_ak" ]; then
            _mvr=1
            break
          fi
          continue
        fi
        [ "$_ak" = A ] && _mvall=1
      fi
    fi
    if command -p mv -f -- "$_mvf" "$_mvo" 2>/dev/null; then
      _mvc=$((_mvc + 1))
    else
      printf 'Access is denied.\n' >&2
      _mvr=1
    fi
  done
  if [ "$_mvc" = 0 ]; then
    _el=1
    return 1
  fi
  printf '%9d %s(s) moved.\n' "$_mvc" "$_mvk"
  _el=0
}
