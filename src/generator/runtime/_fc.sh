# _fc [/B] [/C] [/W] [/L] [/A] [/N] [/T] [/U] [/LBn] [/nnnn] FILE1 FILE2: fc
# compares two files: line by line (/C ignoring case, /W blanks), or byte by
# byte with /B or when a name ends in .exe, .com, .sys, .obj, .lib or .bin.
# It prints Windows' lines: "Comparing files FILE1 and FILE2" (the second
# name in upper case, as Windows shows it), then each difference between
# "*****" lines with a line of the text around it on either side, or
# "OFFSET: XX YY" for each byte that differs, or "FC: no differences
# encountered". Errorlevel 0 when the files are the same, 1 when they
# differ, 2 when one cannot be read or the command is wrong.
# needs: _wp _sw _upper _nl
# shellcheck disable=SC2154 # _fcp is set by _wp, _swp by _sw, _fcu by _upper
_fc() {
  _fcb=
  _fco=
  _fc1=
  _fc2=
  for _fcw in "$@"; do
    _sw "$_fcw"
    case $_swp$_fcw in
    [-/][bB]) _fcb=1 ;;
    [-/][cC]) _fco="$_fco -i" ;;
    [-/][wW]) _fco="$_fco -b" ;;
    [-/][aAlLnNtTuU] | [-/][lL][bB][0-9]* | [-/][0-9]* | [-/][oO][fF][fF] | [-/][oO][fF][fF][lL][iI][nN][eE]) ;;
    [-/]?*)
      printf 'FC: Invalid Switch\n' >&2
      _el=2
      return 2
      ;;
    *)
      if [ -z "$_fc1" ]; then
        _fc1=$_fcw
      elif [ -z "$_fc2" ]; then
        _fc2=$_fcw
      else
        printf 'FC: Too many filenames\n' >&2
        _el=2
        return 2
      fi
      ;;
    esac
  done
  if [ -z "$_fc2" ]; then
    printf 'FC: two file names are needed\n' >&2
    _el=2
    return 2
  fi
  _wp _fcp "$_fc1"
  _fca=$_fcp
  _wp _fcp "$_fc2"
  for _fcw in "$_fca" "$_fcp"; do
    if [ ! -f "$_fcw" ] || [ ! -r "$_fcw" ]; then
      [ "$_fcw" = "$_fca" ] && _fcw=$_fc1 || _fcw=$_fc2
      printf 'FC: cannot open %s - No such file or folder\n' "$_fcw" >&2
      _el=2
      return 2
    fi
  done
  _upper _fcu "$_fc2"
  case $_fc1$_nl$_fc2 in
  *.[eE][xX][eE] | *.[cC][oO][mM] | *.[sS][yY][sS] | *.[oO][bB][jJ] | *.[lL][iI][bB] | *.[bB][iI][nN] | \
    *.[eE][xX][eE]"$_nl"* | *.[cC][oO][mM]"$_nl"* | *.[sS][yY][sS]"$_nl"* | *.[oO][bB][jJ]"$_nl"* | \
    *.[lL][iI][bB]"$_nl"* | *.[bB][iI][nN]"$_nl"*) _fcb=1 ;;
  esac
  printf 'Comparing files %s and %s\n' "$_fc1" "$_fcu"
  if [ -n "$_fcb" ]; then
    _fcd=$(command -p cmp -l -- "$_fca" "$_fcp" 2>&1)
    case $? in
    0)
      printf 'FC: no differences encountered\n\n'
      _el=0
      return 0
      ;;
    esac
    printf '%s\n' "$_fcd" | while read -r _fcn _fcx _fcy; do
      case $_fcn in
      *[!0-9]*) continue ;;
      esac
      # The bytes are octal: their values are worked out digit by digit,
      # as not every shell reads a leading 0 as octal.
      _fcv=
      for _fco in "$_fcx" "$_fcy"; do
        _fcq=0
        while [ -n "$_fco" ]; do
          _fcq=$((_fcq * 8 + ${_fco%"${_fco#?}"}))
          _fco=${_fco#?}
        done
        _fcv="$_fcv $_fcq"
      done
      # shellcheck disable=SC2086 # two numbers
      printf '%08X: %02X %02X\n' $((_fcn - 1)) $_fcv
    done
    case $_fcd in
    *"EOF on $_fca "* | *"EOF on $_fca") printf 'FC: %s longer than %s\n\n' "$_fcu" "$_fc1" ;;
    *"EOF on "*) printf 'FC: %s longer than %s\n\n' "$_fc1" "$_fcu" ;;
    esac
    _el=1
    return 1
  fi
  # shellcheck disable=SC2086 # the options are words
  _fcd=$(command -p diff $_fco -- "$_fca" "$_fcp")
  if [ -z "$_fcd" ]; then
    printf 'FC: no differences encountered\n\n'
    _el=0
    return 0
  fi
  _fcn1=$(command -p wc -l <"$_fca")
  _fcn2=$(command -p wc -l <"$_fcp")
  printf '%s\n' "$_fcd" | while read -r _fch; do
    case $_fch in
    [0-9]*[acd][0-9]*) ;;
    *) continue ;;
    esac
    _fcl=${_fch%%[acd]*}
    _fcr=${_fch#*[acd]}
    _fck=${_fch#"$_fcl"}
    _fck=${_fck%"$_fcr"}
    _fca1=${_fcl%,*}
    _fcb1=${_fcl#*,}
    _fca2=${_fcr%,*}
    _fcb2=${_fcr#*,}
    [ "$_fck" = a ] && _fca1=$((_fcb1 + 1))
    [ "$_fck" = d ] && _fca2=$((_fcb2 + 1))
    printf '***** %s\n' "$_fc1"
    _fcs=$((_fca1 > 1 ? _fca1 - 1 : 1))
    _fce=$((_fcb1 < _fcn1 ? _fcb1 + 1 : _fcn1))
    [ "$_fcs" -le "$_fce" ] && command -p sed -n "${_fcs},${_fce}p" "$_fca"
    printf '***** %s\n' "$_fcu"
    _fcs=$((_fca2 > 1 ? _fca2 - 1 : 1))
    _fce=$((_fcb2 < _fcn2 ? _fcb2 + 1 : _fcn2))
    [ "$_fcs" -le "$_fce" ] && command -p sed -n "${_fcs},${_fce}p" "$_fcp"
    printf '*****\n\n'
  done
  _el=1
  return 1
}
