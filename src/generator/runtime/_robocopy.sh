# _robocopy SOURCE DESTINATION [FILE...] [OPTION...]: robocopy copies the
# files of the folder SOURCE that match the FILE names (cmd's wildcards, in
# any case; all files by default) into the folder DESTINATION, made when
# missing, keeping their dates: a file that is there already with the same
# date is left alone. /s also copies the folders below that hold files, /e
# every folder below, /lev:N only N levels; /purge removes from DESTINATION
# what SOURCE lacks, /mir is /e with /purge; /mov and /move remove the sources
# they copied; /xf and /xd leave out the files and folders they name; /xo,
# /xn, /xl and /xx leave out older, newer, new and extra files; /is copies
# files that are the same too; /l only lists. Hidden files are copied like
# any other. robocopy's report, with its times and speeds, has no faithful
# counterpart: there is one line for each file copied or removed (none with
# /nfl). The exit status, and errorlevel, is robocopy's: 1 when files were
# copied, plus 2 when DESTINATION had extra files or folders, plus 8 when a
# copy failed; 0 when there was nothing to do; 16 when SOURCE is missing or
# the command is wrong.
# needs: _wp _ci _wild _walk _nl _sw _guard
# shellcheck disable=SC2154
_robocopy() {
  _rcs=0
  _rce=0
  _rcp=0
  _rcmv=0
  _rcmd=0
  _rcl=0
  _rclev=
  _rcxo=0
  _rcxn=0
  _rcxl=0
  _rcxx=0
  _rcis=0
  _rcnf=0
  _rcxf=
  _rcxd=
  _rcwhat=
  _rcn=0
  _rcsrc=
  _rcdst=
  _rcfl=
  for _rcw in "$@"; do
    _sw "$_rcw"
    case $_swp$_rcw in
    /*)
      _rcwhat=
      case $_rcw in
      /[sS]) _rcs=1 ;;
      /[eE]) _rce=1 _rcs=1 ;;
      /[mM][iI][rR]) _rce=1 _rcs=1 _rcp=1 ;;
      /[pP][uU][rR][gG][eE]) _rcp=1 ;;
      /[mM][oO][vV]) _rcmv=1 ;;
      /[mM][oO][vV][eE]) _rcmv=1 _rcmd=1 ;;
      /[lL]) _rcl=1 ;;
      /[lL][eE][vV]:*) _rclev=${_rcw#*:} ;;
      /[xX][oO]) _rcxo=1 ;;
      /[xX][nN]) _rcxn=1 ;;
      /[xX][lL]) _rcxl=1 ;;
      /[xX][xX]) _rcxx=1 ;;
      /[iI][sS]) _rcis=1 ;;
      /[nN][fF][lL]) _rcnf=1 ;;
      /[xX][fF]) _rcwhat=f ;;
      /[xX][dD]) _rcwhat=d ;;
      esac
      ;;
    *)
      case $_rcwhat in
      f) _rcxf=$_rcxf$_rcw$_nl ;;
      d) _rcxd=$_rcxd$_rcw$_nl ;;
      *)
        _rcn=$((_rcn + 1))
        case $_rcn in
        1) _rcsrc=$_rcw ;;
        2) _rcdst=$_rcw ;;
        *) _rcfl=$_rcfl$_rcw$_nl ;;
        esac
        ;;
      esac
      ;;
    esac
  done
  if [ "$_rcn" -lt 2 ]; then
    printf 'ERROR : Invalid Parameter: the source and the destination folders are needed.\n' >&2
    _el=16
    return 16
  fi
  _wp _rcsrc "$_rcsrc"
  _ci _rcsrc "$_rcsrc"
  _rcsrc=${_rcsrc%/}
  _wp _rcdst "$_rcdst"
  _ci _rcdst "$_rcdst"
  _rcdst=${_rcdst%/}
  # A refused destination is a fatal error, 16: errorlevels below 8 would
  # tell the batch file that the copy went well.
  if [ "$_rcl" = 0 ] && { ! _guard robocopy "${_rcdst:-/}" ||
    { [ "$_rcmv" = 1 ] && ! _guard robocopy "${_rcsrc:-/}"; }; }; then
    _el=16
    return 16
  fi
  if [ ! -d "${_rcsrc:-/}" ]; then
    printf 'ERROR 2 (0x00000002) Accessing Source Directory %s/\nThe system cannot find the file specified.\n' "$_rcsrc" >&2
    _el=16
    return 16
  fi
  [ -n "$_rcfl" ] || _rcfl='*'$_nl
  _rcrc=0

  # Folders first: with /e every one below, so that empty ones are made too.
  if [ "$_rce" = 1 ] && _walk dh "${_rcsrc:-/}" '*'; then
    _rcl2=$_r
    while [ -n "$_rcl2" ]; do
      _rcf=${_rcl2%%"$_nl"*}
      _rcl2=${_rcl2#*"$_nl"}
      _rcrel=${_rcf#"$_rcsrc"/}
      _rcskip "$_rcrel" d && continue
      [ "$_rcl" = 1 ] || command -p mkdir -p -- "$_rcdst/$_rcrel"
    done
  fi
  [ "$_rcl" = 1 ] || command -p mkdir -p -- "${_rcdst:-/}"

  # What DESTINATION has and SOURCE lacks, before anything is copied or
  # moved.
  if [ "$_rcxx" = 0 ] && [ -d "${_rcdst:-/}" ]; then
    if [ "$_rcs" = 1 ] && _walk dh "${_rcdst:-/}" '*'; then
      _rcl2=$_r
      while [ -n "$_rcl2" ]; do
        _rcf=${_rcl2%%"$_nl"*}
        _rcl2=${_rcl2#*"$_nl"}
        _rcrel=${_rcf#"$_rcdst"/}
        [ -e "$_rcsrc/$_rcrel" ] && continue
        [ -d "$_rcf" ] || continue
        _rcskip "$_rcrel" d && continue
        _rcrc=$((_rcrc | 2))
        [ "$_rcnf" = 1 ] || printf '\t  %-12s\t\t%s\n' '*EXTRA Dir' "$_rcrel"
        [ "$_rcp" = 1 ] && [ "$_rcl" = 0 ] && command -p rm -rf -- "$_rcf"
      done
    fi
    _rcfiles "$_rcdst"
    while [ -n "$_rcall" ]; do
      _rcf=${_rcall%%"$_nl"*}
      _rcall=${_rcall#*"$_nl"}
      [ -e "$_rcf" ] || continue
      _rcrel=${_rcf#"$_rcdst"/}
      [ -e "$_rcsrc/$_rcrel" ] && continue
      _rcskip "$_rcrel" f && continue
      _rcrc=$((_rcrc | 2))
      [ "$_rcnf" = 1 ] || printf '\t  %-12s\t\t%s\n' '*EXTRA File' "$_rcrel"
      [ "$_rcp" = 1 ] && [ "$_rcl" = 0 ] && command -p rm -f -- "$_rcf"
    done
  fi

  # The files.
  _rcfiles "$_rcsrc"
  while [ -n "$_rcall" ]; do
    _rcf=${_rcall%%"$_nl"*}
    _rcall=${_rcall#*"$_nl"}
    _rcrel=${_rcf#"$_rcsrc"/}
    _rcskip "$_rcrel" f && continue
    _rco=$_rcdst/$_rcrel
    # dash's test knows -nt and -ot.
    # shellcheck disable=SC3013
    if [ ! -e "$_rco" ]; then
      [ "$_rcxl" = 1 ] && continue
      _rck='New File'
    elif [ "$_rcf" -nt "$_rco" ]; then
      [ "$_rcxn" = 1 ] && continue
      _rck='Newer'
    elif [ "$_rcf" -ot "$_rco" ]; then
      [ "$_rcxo" = 1 ] && continue
      _rck='Older'
    else
      [ "$_rcis" = 1 ] || continue
      _rck='Same'
    fi
    [ "$_rcnf" = 1 ] || printf '\t    %-10s\t\t%s\n' "$_rck" "$_rcrel"
    [ "$_rcl" = 1 ] && {
      _rcrc=$((_rcrc | 1))
      continue
    }
    case $_rcrel in
    */*) mkdir -p -- "$_rcdst/${_rcrel%/*}" ;;
    esac
    if command -p cp -p -- "$_rcf" "$_rco" 2>/dev/null; then
      _rcrc=$((_rcrc | 1))
      [ "$_rcmv" = 1 ] && command -p rm -f -- "$_rcf"
    else
      printf 'ERROR: could not copy %s\n' "$_rcf" >&2
      _rcrc=$((_rcrc | 8))
    fi
  done
  if [ "$_rcmd" = 1 ] && [ "$_rcl" = 0 ] && _walk dh "${_rcsrc:-/}" '*'; then
    # /move takes the emptied folders away too, the deepest first.
    _rcl2=$(printf '%s' "$_r" | command -p sort -r)
    _rcii=$IFS
    IFS=$_nl
    for _rcf in $_rcl2; do
      command -p rmdir -- "$_rcf" 2>/dev/null
    done
    IFS=$_rcii
  fi

  _el=$_rcrc
  return "$_rcrc"
}

# _rcfiles FOLDER: the files in FOLDER (and below it with /s or /e) that
# match the FILE names, one a line, in _rcall.
_rcfiles() {
  _rcall=
  _rcf2=$_rcfl
  while [ -n "$_rcf2" ]; do
    _rcpat=${_rcf2%%"$_nl"*}
    _rcf2=${_rcf2#*"$_nl"}
    if [ "$_rcs" = 1 ]; then
      _walk fh "${1:-/}" "$_rcpat" && _rcall=$_rcall$_r
    else
      _wild fh "$1/$_rcpat" && _rcall=$_rcall$_r
    fi
  done
}

# _rcskip PATH f|d: robocopy leaves PATH out: a file that /xf names, a folder
# that /xd names or one below it, or one deeper than /lev allows.
_rcskip() {
  if [ -n "$_rclev" ]; then
    _rcsd=$1
    _rcsn=1
    while :; do
      case $_rcsd in
      */*)
        _rcsd=${_rcsd#*/}
        _rcsn=$((_rcsn + 1))
        ;;
      *) break ;;
      esac
    done
    [ "$2" = f ] || _rcsn=$((_rcsn + 1))
    [ "$_rcsn" -gt "$_rclev" ] && return 0
  fi
  _rcsl=$_rcxd
  while [ -n "$_rcsl" ]; do
    _rcsx=${_rcsl%%"$_nl"*}
    _rcsl=${_rcsl#*"$_nl"}
    _rcsd=$1
    [ "$2" = f ] && _rcsd=${_rcsd%/*}
    [ "$_rcsd" = "$1" ] && [ "$2" = f ] && continue
    # shellcheck disable=SC2254
    case /$_rcsd/ in
    */$_rcsx/*) return 0 ;;
    esac
  done
  [ "$2" = f ] || return 1
  _rcsl=$_rcxf
  while [ -n "$_rcsl" ]; do
    _rcsx=${_rcsl%%"$_nl"*}
    _rcsl=${_rcsl#*"$_nl"}
    # shellcheck disable=SC2254
    case ${1##*/} in
    $_rcsx) return 0 ;;
    esac
  done
  return 1
}
