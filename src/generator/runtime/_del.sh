# _del [SWITCH...] NAME...: del and erase delete the files that each NAME
# names: a file, cmd's wildcards (in any case), or a folder for all of its
# files. Switches may come anywhere: /q does not ask before deleting every
# file of a folder ("*", "*.*" or a folder name ask "FOLDER/*, Are you sure
# (Y/N)? "), /p asks for each file, /s looks in every folder below too and
# reports each file it deletes, /f deletes read-only files, /a[:]ATTRIBUTES
# takes the files with those attributes (see _attr) instead of those that are
# not hidden. Names that match nothing give "Could Not Find". The errorlevel is
# 0 whatever happens, unless there is no name at all; a missing folder or a
# file that cannot be deleted fails the command.
# needs: _wp _ci _wild _walk _attr _ask _nl _sw _guard
# shellcheck disable=SC2154
_del() {
  _deq=0
  _dep=0
  _des=0
  _def=0
  _dea=
  _den=0
  for _dew in "$@"; do
    _sw "$_dew"
    case $_swp$_dew in
    /*)
      while [ -n "$_dew" ]; do
        _dew=${_dew#/}
        _dex=${_dew%%/*}
        case $_dex in
        [qQ]) _deq=1 ;;
        [pP]) _dep=1 ;;
        [sS]) _des=1 ;;
        [fF]) _def=1 ;;
        [aA]*)
          _dea=${_dex#?}
          _dea=${_dea#:}
          _dea=${_dea:--}
          ;;
        *)
          printf 'Invalid switch - "%s".\n' "$_dex" >&2
          _el=1
          return 1
          ;;
        esac
        case $_dew in
        */*) _dew=/${_dew#*/} ;;
        *) _dew= ;;
        esac
      done
      ;;
    *) _den=$((_den + 1)) ;;
    esac
  done
  if [ "$_den" = 0 ]; then
    printf 'The syntax of the command is incorrect.\n' >&2
    _el=1
    return 1
  fi
  _el=0
  _der=0
  for _dew in "$@"; do
    _sw "$_dew"
    case $_swp$_dew in
    /*) continue ;;
    esac
    _wp _det "$_dew"
    _ci _det "$_det"
    # A folder stands for all of its files.
    _dedir=0
    if [ -d "$_det" ] && [ ! -L "$_det" ]; then
      _ded=${_det%/}/
      _dek='*'
      _dedir=1
    else
      case $_det in
      */*)
        _ded=${_det%/*}/
        _dek=${_det##*/}
        ;;
      *)
        _ded=
        _dek=$_det
        ;;
      esac
    fi
    # The folder is guarded when all of it would go (named itself, or every
    # file below it), and when it is the root, whatever the mask.
    case $_dedir$_des$_dek:$_ded in
    1* | 01\*:* | '01*.*':* | *:/)
      if ! _guard del "${_ded:-.}"; then
        _der=1
        continue
      fi
      ;;
    esac
    if [ -n "$_ded" ] && [ ! -d "$_ded" ]; then
      printf 'The system cannot find the path specified.\n' >&2
      _der=1
      continue
    fi
    case $_ded in
    /*) _deb=$_ded ;;
    *) _deb=$PWD/${_ded#./} ;;
    esac
    case $_dek in
    '*' | '*.*')
      if [ "$_deq" = 0 ] && [ "$_dep" = 0 ] && ! _ask "$_deb*, Are you sure (Y/N)? " YN; then
        continue
      fi
      ;;
    esac
    _dew=0
    case $_dek in
    *[*?]*) _dew=1 ;;
    esac
    if [ "$_des" = 1 ]; then
      # Hidden folders are looked into only when /a may take hidden files.
      _dem=f
      case ${_dea:--h} in
      *-[hH]*) ;;
      *) _dem=fh ;;
      esac
      _walk "$_dem" "${_ded:-.}" "$_dek"
      _dew=1
    else
      _wild fh "$_ded$_dek"
    fi
    _dels=$_r
    # Nothing of this name is deleted when the guard refuses one of its files.
    _dek=$_dels
    _deg=0
    while [ -n "$_dek" ]; do
      _dfi=${_dek%%"$_nl"*}
      _dek=${_dek#*"$_nl"}
      [ -d "$_dfi" ] || _guard del "$_dfi" || _deg=1
      [ "$_deg" = 1 ] && break
    done
    if [ "$_deg" = 1 ]; then
      _der=1
      continue
    fi
    _deo=0
    while [ -n "$_dels" ]; do
      _dfi=${_dels%%"$_nl"*}
      _dels=${_dels#*"$_nl"}
      [ -d "$_dfi" ] && continue
      if [ -n "$_dea" ]; then
        _attr "$_dfi" "${_dea#-}" || continue
      elif [ "$_dew" = 1 ]; then
        case ${_dfi##*/} in
        .*) continue ;;
        esac
      fi
      case $_dfi in
      /*) _deb=$_dfi ;;
      *) _deb=$PWD/${_dfi#./} ;;
      esac
      _deo=1
      if [ "$_dep" = 1 ] && ! _ask "$_deb, Delete (Y/N)? " YN; then
        continue
      fi
      if [ ! -w "$_dfi" ] && [ "$_def" = 0 ] && [ -z "$_dea" ]; then
        printf 'Access is denied.\n' >&2
        _der=1
        continue
      fi
      if command -p rm -f -- "$_dfi" 2>/dev/null && [ ! -e "$_dfi" ]; then
        [ "$_des" = 1 ] && printf 'Deleted file - %s\n' "$_deb"
      else
        printf 'Access is denied.\n' >&2
        _der=1
      fi
    done
    if [ "$_deo" = 0 ]; then
      case $_ded$_dek in
      /*) printf 'Could Not Find %s\n' "$_ded$_dek" >&2 ;;
      *) _deb=$_ded$_dek && printf 'Could Not Find %s/%s\n' "$PWD" "${_deb#./}" >&2 ;;
      esac
    fi
  done
  return "$_der"
}
