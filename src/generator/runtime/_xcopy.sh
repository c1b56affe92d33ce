# _xcopy SOURCE [DESTINATION] [SWITCH...]: xcopy copies the files that SOURCE
# names (a folder for its files, cmd's wildcards in any case) into the folder
# DESTINATION (by default the current one), keeping their dates; /s also
# copies the folders below with the files in them, /e every folder below,
# empty ones too. It shows each source name (not with /q; /f shows
# "SOURCE -> DESTINATION", /l only lists) and ends with "N File(s) copied".
# When DESTINATION is missing and does not end in a backslash, it asks whether
# it is a file or a folder, unless /i says a folder for several files. It asks
# before overwriting ("Overwrite NAME (Yes/No/All)? ") unless /y; /-y asks
# even when COPYCMD says /y. /h copies hidden files (names starting with a
# dot), /d only files newer than their copies, /t only the folders, /r over
# read-only files, /c goes on after errors. Exit status, and errorlevel: 0,
# 1 when there was no file to copy, 4 when SOURCE matches nothing or the
# command is wrong, 5 when a copy failed.
# needs: _wp _ci _wild _walk _ask _nl _sw _guard
# shellcheck disable=SC2154
_xcopy() {
  _xcs=0
  _xce=0
  _xci=0
  _xcq=0
  _xcf=0
  _xcl=0
  _xch=0
  _xcd=0
  _xct=0
  _xcr=0
  _xcc=0
  _xcy=0
  case ${COPYCMD-} in
  */[yY]*) _xcy=1 ;;
  esac
  _xcsrc=
  _xcdst=
  _xcn=0
  for _xcw in "$@"; do
    _sw "$_xcw"
    case $_swp$_xcw in
    /*)
      while [ -n "$_xcw" ]; do
        _xcw=${_xcw#/}
        case ${_xcw%%/*} in
        [sS]) _xcs=1 ;;
        [eE]) _xce=1 _xcs=1 ;;
        [iI]) _xci=1 ;;
        [qQ]) _xcq=1 ;;
        [fF]) _xcf=1 ;;
        [lL]) _xcl=1 ;;
        [hH]) _xch=1 ;;
        [dD] | [dD]:*) _xcd=1 ;;
        [tT]) _xct=1 ;;
        [rR]) _xcr=1 ;;
        [cC]) _xcc=1 ;;
        [yY]) _xcy=1 ;;
        -[yY]) _xcy=0 ;;
        [aAmMvVwWpPkKnNoOxXuUzZbBjJgG] | [eE][xX][cC][lL][uU][dD][eE]:*) ;;
        *)
          printf 'Invalid switch - /%s\n' "${_xcw%%/*}" >&2
          _el=4
          return 4
          ;;
        esac
        case $_xcw in
        */*) _xcw=/${_xcw#*/} ;;
        *) _xcw= ;;
        esac
      done
      ;;
    *)
      _xcn=$((_xcn + 1))
      case $_xcn in
      1) _xcsrc=$_xcw ;;
      2) _xcdst=$_xcw ;;
      *)
        printf 'Invalid number of parameters\n' >&2
        _el=4
        return 4
        ;;
      esac
      ;;
    esac
  done
  if [ "$_xcn" = 0 ]; then
    printf 'Invalid number of parameters\n' >&2
    _el=4
    return 4
  fi

  # The folder to copy from, the names to take in it, and how to show them.
  _wp _xct0 "$_xcsrc"
  _ci _xct0 "$_xct0"
  if [ -d "$_xct0" ]; then
    _xcroot=${_xct0%/}
    _xcpat='*'
    _xcmany=1
    case $_xcsrc in
    *[\\/]) _xcshow=$_xcsrc ;;
    *) _xcshow=$_xcsrc\\ ;;
    esac
  else
    case $_xct0 in
    */*) _xcroot=${_xct0%/*} ;;
    *) _xcroot=. ;;
    esac
    _xcpat=${_xct0##*/}
    _xcmany=0
    case $_xcpat in
    *[*?]*) _xcmany=1 ;;
    esac
    [ "$_xcs" = 1 ] && _xcmany=1
    _xcshow=${_xcsrc%"${_xcsrc##*[\\/]}"}
  fi
  _xcm=f
  [ "$_xch" = 1 ] && _xcm=fh
  if [ ! -d "${_xcroot:-/}" ]; then
    _r=
  elif [ "$_xcs" = 1 ]; then
    _walk "$_xcm" "${_xcroot:-/}" "$_xcpat" || _r=
  else
    _wild "$_xcm" "$_xcroot/$_xcpat" || _r=
  fi
  _xcfiles=$_r
  if [ -z "$_xcfiles" ] && { [ ! -d "$_xct0" ] || [ "$_xce" = 0 ]; }; then
    printf 'File not found - %s\n' "${_xcsrc##*[\\/]}" >&2
    printf '0 File(s) copied\n'
    _el=4
    return 4
  fi

  # Where the copies go: a folder (_xcdir), or one file (_xcto).
  _xcto=
  _xcdir=
  _wp _xct1 "${_xcdst:-.}"
  _ci _xct1 "$_xct1"
  if [ -d "$_xct1" ]; then
    _xcdir=${_xct1%/}
  else
    case $_xct1 in
    */) _xcdir=${_xct1%/} ;;
    *)
      if [ -e "$_xct1" ]; then
        _xcto=$_xct1
      elif [ "$_xcmany" = 1 ] && [ "$_xci" = 1 ]; then
        _xcdir=$_xct1
      else
        while :; do
          printf 'Does %s specify a file name\nor directory name on the target\n(F = file, D = directory)? ' "$_xcdst"
          if ! IFS= read -r _xca && [ -z "$_xca" ]; then
            [ -t 0 ] || printf '\n'
            _el=4
            return 4
          fi
          [ -t 0 ] || printf '%s\n' "$_xca"
          case $_xca in
          [fF]*)
            _xcto=$_xct1
            break
            ;;
          [dD]*)
            _xcdir=$_xct1
            break
            ;;
          esac
        done
      fi
      ;;
    esac
  fi
  case $_xcroot in
  /*) _xcab=$_xcroot ;;
  *) _xcab=$PWD/$_xcroot ;;
  esac
  case ${_xcdir:-$_xcto} in
  /*) _xcbb=${_xcdir:-$_xcto} ;;
  *) _xcbb=$PWD/${_xcdir:-$_xcto} ;;
  esac
  if [ "$_xcs" = 1 ] && [ -n "$_xcdir" ]; then
    case $_xcbb/ in
    "$_xcab"/*)
      printf 'Cannot perform a cyclic copy\n' >&2
      printf '0 File(s) copied\n'
      _el=4
      return 4
      ;;
    esac
  fi

  # With /e, every folder below, empty or not; with /t, only folders.
  if [ "$_xcl" = 0 ] && [ -n "$_xcdir" ] && [ "$_xce" = 1 ]; then
    _xcm=d
    [ "$_xch" = 1 ] && _xcm=dh
    command -p mkdir -p -- "$_xcdir"
    if _walk "$_xcm" "$_xcroot" '*'; then
      _xcl2=$_r
      while [ -n "$_xcl2" ]; do
        _xcf1=${_xcl2%%"$_nl"*}
        _xcl2=${_xcl2#*"$_nl"}
        command -p mkdir -p -- "$_xcdir/${_xcf1#"$_xcroot"/}"
      done
    fi
  fi
  _xcc1=0
  _xcall=0
  _xcrc=0
  while [ "$_xct" = 0 ] && [ -n "$_xcfiles" ]; do
    _xcf1=${_xcfiles%%"$_nl"*}
    _xcfiles=${_xcfiles#*"$_nl"}
    _xcrel=${_xcf1#"$_xcroot"/}
    if [ -n "$_xcto" ]; then
      _xco=$_xcto
    else
      _xco=$_xcdir/$_xcrel
    fi
    # dash's test knows -nt.
    # shellcheck disable=SC3013
    if [ "$_xcd" = 1 ] && [ -e "$_xco" ] && ! [ "$_xcf1" -nt "$_xco" ]; then
      continue
    fi
    _xcbs=$_xcshow
    _xcrl=$_xcrel
    while :; do
      case $_xcrl in
      */*)
        _xcbs=$_xcbs${_xcrl%%/*}\\
        _xcrl=${_xcrl#*/}
        ;;
      *) break ;;
      esac
    done
    _xcbs=$_xcbs$_xcrl
    if [ "$_xcl" = 0 ] && ! _guard xcopy "$_xco"; then
      _xcrc=1
      break
    fi
    if [ -e "$_xco" ] && [ "$_xcy" = 0 ] && [ "$_xcall" = 0 ] && [ "$_xcl" = 0 ]; then
      if ! _ask "Overwrite $_xco (Yes/No/All)? " YNA; then
        [ -z "$_ak" ] && break
        continue
      fi
      [ "$_ak" = A ] && _xcall=1
    fi
    if [ "$_xcf" = 1 ]; then
      printf '%s -> %s\n' "$_xcab/$_xcrel" "$_xcbb${_xcdir:+/$_xcrel}"
    elif [ "$_xcq" = 0 ]; then
      printf '%s\n' "$_xcbs"
    fi
    if [ "$_xcl" = 0 ]; then
      case $_xco in
      */*) mkdir -p -- "${_xco%/*}" 2>/dev/null ;;
      esac
      [ "$_xcr" = 1 ] && [ -e "$_xco" ] && [ ! -w "$_xco" ] && command -p rm -f -- "$_xco"
      if ! command -p cp -p -- "$_xcf1" "$_xco" 2>/dev/null; then
        printf 'Access denied\n' >&2
        _xcrc=5
        [ "$_xcc" = 1 ] || break
        continue
      fi
    fi
    _xcc1=$((_xcc1 + 1))
  done
  printf '%d File(s) copied\n' "$_xcc1"
  if [ "$_xcrc" = 0 ] && [ "$_xcc1" = 0 ] && [ "$_xct" = 0 ] && [ "$_xcd" = 0 ]; then
    _xcrc=1
  fi
  _el=$_xcrc
  return "$_xcrc"
}
