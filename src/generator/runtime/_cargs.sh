# _cargs TEXT: sets _r to the words of TEXT as cmd hands them to a batch file
# or a label as %1, %2...: cut at blanks, commas, semicolons and equal signs
# outside quotes, with the quotes kept; each word followed by a line end.
# Sets _ct to TEXT as written from its first word on, which is %* in the
# code it is handed to.
# needs: _nl
# shellcheck disable=SC2154 # _nl is set by _nl
_cargs() {
  _r=
  _cat=$1
  _ct=${1#"${1%%[!\ \	,\;=]*}"}
  _caw=
  _cas=0
  while [ -n "$_cat" ]; do
    _cap=${_cat%%[\"\ \	,\;=]*}
    if [ -n "$_cap" ]; then
      _caw=$_caw$_cap
      _cat=${_cat#"$_cap"}
      _cas=1
      continue
    fi
    case $_cat in
    \"*\"*)
      _cat=${_cat#?}
      _caw=$_caw\"${_cat%%\"*}\"
      _cat=${_cat#*\"}
      _cas=1
      ;;
    \"*)
      _caw=$_caw$_cat
      _cat=
      _cas=1
      ;;
    *)
      _cat=${_cat#?}
      if [ "$_cas" = 1 ]; then
        _r=$_r$_caw$_nl
        _caw=
        _cas=0
      fi
      ;;
    esac
  done
  [ "$_cas" = 0 ] || _r=$_r$_caw$_nl
}
