# _dir [SWITCH...] [NAME...]: dir lists the files and folders that each NAME
# names (a folder for its contents, cmd's wildcards in any case; by default
# the current folder), sorted as cmd sorts them, ignoring case. /b lists bare
# names; with /s it lists every match in the folders below too, as full
# paths, each folder's own first, depth first. /a[:]ATTRIBUTES selects (see
# _attr; /a alone takes hidden names too, which are otherwise left out),
# /o[:]ORDER sorts by n name, e extension, g folders first, s size or d date,
# each reversed by a "-" before it; /l writes names in lower case. cmd's own
# layout of a listing without /b, with its dates, sizes and free space, has no
# faithful counterpart here: it becomes ls -l's listing of the same names, and
# the script says so once on standard error (_dinote remembers that it did).
# A name that matches nothing gives
# "File Not Found"; errorlevel 0 when something was listed, otherwise 1.
# needs: _wp _ci _wild _walk _attr _nl _sw
# shellcheck disable=SC2154
_dir() {
  _dib=0
  _dis=0
  _dia=-h
  _dio=
  _dil=0
  _din=0
  _dilo=
  # Switches in DIRCMD come first, as if written before the others.
  # shellcheck disable=SC2086
  [ -n "${DIRCMD-}" ] && set -- $DIRCMD "$@"
  for _diw in "$@"; do
    _sw "$_diw"
    case $_swp$_diw in
    /*)
      while [ -n "$_diw" ]; do
        _diw=${_diw#/}
        _dix=${_diw%%/*}
        case $_dix in
        [bB]) _dib=1 ;;
        [sS]) _dis=1 ;;
        [lL]) _dil=1 ;;
        [aA]*)
          _dia=${_dix#?}
          _dia=${_dia#:}
          ;;
        [oO]*)
          _dio=${_dix#?}
          _dio=${_dio#:}
          _dio=${_dio:-gn}
          ;;
        -[oO]) _dio= ;;
        [pPwWdDqQnNxXcC4rR] | -[cCpPwW] | [tT]*) ;;
        *)
          printf 'Invalid switch - "%s".\n' "$_dix" >&2
          _el=1
          return 1
          ;;
        esac
        case $_diw in
        */*) _diw=/${_diw#*/} ;;
        *) _diw= ;;
        esac
      done
      ;;
    *) _din=$((_din + 1)) ;;
    esac
  done
  [ "$_din" = 0 ] && set -- "$@" '*'
  if [ "$_dib" = 0 ] && [ -z "${_dinote-}" ]; then
    _dinote=1
    printf "%s: dir shows ls -l's listing here, not cmd's\n" "$_me" >&2
  fi
  _dif=0
  for _diw in "$@"; do
    _sw "$_diw"
    case $_swp$_diw in
    /*) continue ;;
    esac
    _wp _dit "$_diw"
    _ci _dit "$_dit"
    # A folder stands for all of its names.
    if [ -d "$_dit" ]; then
      _did=${_dit%/}/
      _dik='*'
    else
      case $_dit in
      */*)
        _did=${_dit%/*}/
        _dik=${_dit##*/}
        ;;
      *)
        _did=
        _dik=$_dit
        ;;
      esac
    fi
    if [ -n "$_did" ] && [ ! -d "$_did" ]; then
      printf 'The system cannot find the path specified.\n' >&2
      continue
    fi
    # Hidden names come in, and hidden folders are looked into, unless the
    # attributes leave them out.
    _dim=h
    case $_dia in
    *-[hH]*) _dim= ;;
    esac
    if [ "$_dis" = 1 ]; then
      _walk "$_dim" "${_did:-.}" "$_dik" || _r=
    else
      _wild h "$_did$_dik" || _r=
    fi
    # The names the attributes select.
    _dil2=
    while [ -n "$_r" ]; do
      _die=${_r%%"$_nl"*}
      _r=${_r#*"$_nl"}
      if [ -n "$_dia" ]; then
        _attr "$_die" "$_dia" || continue
      fi
      _dil2=$_dil2$_die$_nl
    done
    if [ -z "$_dil2" ]; then
      printf 'File Not Found\n' >&2
      continue
    fi
    _dif=1
    [ -n "$_dio" ] && [ "$_dis" = 0 ] && _diorder
    if [ "$_dib" = 0 ]; then
      # The listing of ls -l, for the same names.
      _dii=$IFS
      IFS=$_nl
      # shellcheck disable=SC2086
      set -- $_dil2
      IFS=$_dii
      command -p ls -ld -- "$@"
      continue
    fi
    while [ -n "$_dil2" ]; do
      _die=${_dil2%%"$_nl"*}
      _dil2=${_dil2#*"$_nl"}
      if [ "$_dis" = 1 ]; then
        case $_die in
        /*) ;;
        *) _die=$PWD/${_die#./} ;;
        esac
      else
        _die=${_die##*/}
      fi
      if [ "$_dil" = 1 ]; then
        _dilo=$_dilo$_die$_nl
      else
        printf '%s\n' "$_die"
      fi
    done
    if [ "$_dil" = 1 ]; then
      printf '%s' "$_dilo" | command -p tr 'ABCDEFGHIJKLMNOPQRSTUVWXYZ' 'abcdefghijklmnopqrstuvwxyz'
      _dilo=
    fi
  done
  if [ "$_dif" = 0 ]; then
    _el=1
    return 1
  fi
  _el=0
}

# _diorder: puts the names in _dil2 in the order that dir's /o asks for
# (_dio): each name gets a key of the fields that /o names, and sort -f sorts
# by the keys in turn, then by name. g is 0 for a folder and 1 for a file, s
# the size (0 for a folder), e the extension, d the place in ls -t's order.
_diorder() {
  _dii=$IFS
  IFS=$_nl
  # shellcheck disable=SC2086
  set -- $_dil2
  IFS=$_dii
  _dik2=
  _disz=
  for _die in "$@"; do
    if [ -d "$_die" ]; then
      _dik2=$_dik2'0'$_nl
      _disz=${_disz}0$_nl
    else
      _dik2=$_dik2'1'$_nl
      case $_dio in
      *[sS]*) _disz=$_disz$(command -p wc -c <"$_die")$_nl ;;
      esac
    fi
  done
  _dilt=
  case $_dio in
  *[dD]*) _dilt=$(command -p ls -1dt -- "$@") ;;
  esac
  _dikeys=
  _dis2=$_dio
  while [ -n "$_dis2" ]; do
    _dic=${_dis2%"${_dis2#?}"}
    _dis2=${_dis2#?}
    _dirv=
    if [ "$_dic" = - ]; then
      _dirv=r
      _dic=${_dis2%"${_dis2#?}"}
      _dis2=${_dis2#?}
    fi
    case $_dic in
    [gG]) _dikeys="$_dikeys -k1,1$_dirv" ;;
    [eE]) _dikeys="$_dikeys -k2,2$_dirv" ;;
    [nN]) _dikeys="$_dikeys -k3,3$_dirv" ;;
    [sS]) _dikeys="$_dikeys -k4,4n$_dirv" ;;
    [dD]) _dikeys="$_dikeys -k5,5n$_dirv" ;;
    esac
  done
  # Names that tie on those come in name order.
  _dikeys="$_dikeys -k3,3"
  # shellcheck disable=SC2086
  _dil2=$(printf '%s' "$_dil2" | _dik2=$_dik2 _disz=$_disz _dilt=$_dilt awk '
    BEGIN {
      split(ENVIRON["_dik2"], g, "\n")
      split(ENVIRON["_disz"], size, "\n")
      nt = split(ENVIRON["_dilt"], t, "\n")
      for (i = 1; i <= nt; i++) age[t[i]] = nt - i
    }
    {
      n = $0
      sub(/.*\//, "", n)
      e = ""
      if (match(n, /\.[^.]*$/)) e = substr(n, RSTART + 1)
      printf "%s\t%s\t%s\t%d\t%d\t%s\n", g[NR], e, n, size[NR], age[$0], $0
    }' | LC_ALL=C command -p sort -f -t '	' $_dikeys | command -p cut -f6-)$_nl
}
