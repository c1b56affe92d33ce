# _forset files|dirs ITEM...: sets _r to the items of a for loop's set, one per
# line. cmd's separators part an item further. An item with * or ? becomes
# the names of the files (or, for dirs, the folders) it matches, sorted as cmd
# sorts them and written with the folder as the item writes it; any other item
# stays as it is, quotes and all.
# needs: _wp _nl
# shellcheck disable=SC2154 # _fs_g is set by _wp, through eval; _nl by _nl
_forset() {
  _fs_mode=$1
  shift
  _r=
  for _fs_w in "$@"; do
    # Cut at separators outside quotes.
    _fs_items=
    _fs_q=0
    _fs_cur=
    while [ -n "$_fs_w" ]; do
      _fs_c=${_fs_w%"${_fs_w#?}"}
      _fs_w=${_fs_w#?}
      case $_fs_c in
      \") _fs_q=$((1 - _fs_q)) _fs_cur=$_fs_cur$_fs_c ;;
      [,\;=' 	'])
        if [ "$_fs_q" = 1 ]; then
          _fs_cur=$_fs_cur$_fs_c
        else
          [ -n "$_fs_cur" ] && _fs_items=$_fs_items$_fs_cur$_nl
          _fs_cur=
        fi
        ;;
      *) _fs_cur=$_fs_cur$_fs_c ;;
      esac
    done
    [ -n "$_fs_cur" ] && _fs_items=$_fs_items$_fs_cur$_nl
    while [ -n "$_fs_items" ]; do
      _fs_it=${_fs_items%%"$_nl"*}
      _fs_items=${_fs_items#*"$_nl"}
      case $_fs_it in
      *[*?]*) ;;
      *)
        _r=$_r$_fs_it$_nl
        continue
        ;;
      esac
      case $_fs_it in
      *\"*) _fs_it=$(printf '%sx' "$_fs_it" | command -p tr -d '"') _fs_it=${_fs_it%x} ;;
      esac
      _fs_pre=${_fs_it%"${_fs_it##*[\\/]}"}
      _wp _fs_g "$_fs_it"
      _fs_list=
      _fs_i=$IFS
      IFS=
      set +f
      for _fs_f in $_fs_g; do
        if [ "$_fs_mode" = dirs ]; then
          [ -d "$_fs_f" ] || continue
        else
          [ -f "$_fs_f" ] || continue
        fi
        _fs_list=$_fs_list$_fs_pre${_fs_f##*/}$_nl
      done
      set -f
      IFS=$_fs_i
      [ -n "$_fs_list" ] && _r=$_r$(printf '%s' "$_fs_list" | LC_ALL=C command -p sort -f)$_nl
    done
  done
}
