# _ci VAR PATH: sets VAR to PATH with each name in it that is not there as
# written replaced by one that is there in another case, as Windows finds
# "README.TXT" when the file is readme.txt. The names from the first one that
# is not there in any case on are kept as written. Costs nothing more than a
# test when PATH is there as written.
# needs: _cipat
# shellcheck disable=SC2154
_ci() {
  if [ -e "$2" ] || [ -L "$2" ] || [ -z "$2" ]; then
    eval "$1=\$2"
    return 0
  fi
  _cit=$2
  _cio=
  while :; do
    case $_cit in
    /*)
      _cio=$_cio/
      _cit=${_cit#/}
      ;;
    *) break ;;
    esac
  done
  _cii=$IFS
  while [ -n "$_cit" ]; do
    _cic=${_cit%%/*}
    _cis=
    case $_cit in
    */*)
      _cit=${_cit#*/}
      _cis=/
      ;;
    *) _cit= ;;
    esac
    if [ -z "$_cic" ] || [ "$_cic" = . ] || [ "$_cic" = .. ] || [ -e "$_cio$_cic" ]; then
      _cio=$_cio$_cic$_cis
      continue
    fi
    _cipat _ciq "$_cic"
    _cif=
    IFS=
    set +f
    # shellcheck disable=SC2086
    for _cie in "$_cio"$_ciq; do
      if [ -e "$_cie" ]; then
        _cif=$_cie
        break
      fi
    done
    set -f
    IFS=$_cii
    if [ -z "$_cif" ]; then
      _cio=$_cio$_cic$_cis$_cit
      break
    fi
    _cio=$_cif$_cis
  done
  eval "$1=\$_cio"
}
