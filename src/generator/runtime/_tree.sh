# _tree [PATH] [/F] [/A]: tree draws the folders below PATH (the current
# folder) as Windows does, with their files too with /F, in lines drawn with
# box characters (UTF-8 here), or with ASCII ones with /A. Hidden names (a dot
# first) are left out; names are sorted ignoring case. The first lines name
# the volume, which has no counterpart here: "Folder PATH listing" and a
# made-up serial number, then PATH as given ("C:." for the current folder).
# "No subfolders exist" ends a tree without folders. Errorlevel 0; a PATH that
# is no folder gives "Invalid path - PATH" and errorlevel 1.
# needs: _wp _sw _nl _curdrive _upper _trwalk
# shellcheck disable=SC2154 # _trp is set by _wp, _swp by _sw, _cdl by _curdrive, _tru by _upper
# shellcheck disable=SC2120 # called with the words of the command, often none
_tree() {
  _trf=
  _tra=
  _trg=
  for _trw in "$@"; do
    _sw "$_trw"
    case $_swp$_trw in
    [-/][fF]) _trf=1 ;;
    [-/][aA]) _tra=1 ;;
    [-/]?*)
      printf 'Invalid switch - %s\n' "$_trw"
      _el=1
      return 1
      ;;
    *)
      if [ -n "$_trg" ]; then
        printf 'Too many parameters - %s\n' "$_trw"
        _el=1
        return 1
      fi
      _trg=$_trw
      ;;
    esac
  done
  _trp=.
  [ -n "$_trg" ] && _wp _trp "$_trg"
  if [ ! -d "$_trp" ]; then
    printf 'Invalid path - %s\n' "$_trg"
    _el=1
    return 1
  fi
  # The pieces the lines are drawn with, as printf formats: box characters
  # in UTF-8 are written as their bytes' octal escapes, so that the script
  # stays ASCII, and shells that read text by characters pass them on.
  if [ -n "$_tra" ]; then
    _trt='+---' _trl='\\---' _trv='|   '
  else
    _trt='\342\224\234\342\224\200\342\224\200\342\224\200'
    _trl='\342\224\224\342\224\200\342\224\200\342\224\200'
    _trv='\342\224\202   '
  fi
  printf 'Folder PATH listing\nVolume serial number is 0000-0000\n'
  if [ -n "$_trg" ]; then
    _upper _tru "$_trg"
    printf '%s\n' "$_tru"
  else
    _curdrive
    _upper _tru "$_cdl"
    printf '%s:.\n' "$_tru"
  fi
  (_trwalk "$_trp" '')
  _trd=$(cd -- "$_trp" && set +f && for _trx in *; do
    [ -d "$_trx" ] && printf x && break
  done)
  [ -n "$_trd" ] || printf 'No subfolders exist\n\n'
  _el=0
}
