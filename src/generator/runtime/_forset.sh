# _forset files|dirs ITEM...: sets _r to the items of a for loop's set, one per
# line. cmd's separators part an item further. An item with * or ? becomes
# the names of the files (or, for dirs, the folders) it matches, sorted as cmd
# sorts them and written with the folder as the item writes it; any other item
# stays as it is, quotes and all.
# needs: _bs _nl
_forset() {
  _mode=$1
  shift
  _r=
  for _w in "$@"; do
    # Cut at separators outside quotes.
    _items=
    _q=0
    _cur=
    while [ -n "$_w" ]; do
      _c=${_w%"${_w#?}"}
      _w=${_w#?}
      case $_c in
      \") _q=$((1 - _q)) _cur=$_cur$_c ;;
      [,\;=' 	'])
        if [ "$_q" = 1 ]; then
          _cur=$_cur$_c
        else
          [ -n "$_cur" ] && _items=$_items$_cur$_nl
          _cur=
        fi
        ;;
      *) _cur=$_cur$_c ;;
      esac
    done
    [ -n "$_cur" ] && _items=$_items$_cur$_nl
    while [ -n "$_items" ]; do
      _it=${_items%%"$_nl"*}
      _items=${_items#*"$_nl"}
      case $_it in
      *[*?]*) ;;
      *)
        _r=$_r$_it$_nl
        continue
        ;;
      esac
      case $_it in
      *\"*) _it=$(printf '%sx' "$_it" | tr -d '"') _it=${_it%x} ;;
      esac
      _pre=${_it%"${_it##*[\\/]}"}
      _bs _g "$_it"
      _list=
      _i=$IFS
      IFS=
      set +f
      for _f in $_g; do
        if [ "$_mode" = dirs ]; then
          [ -d "$_f" ] || continue
        else
          [ -f "$_f" ] || continue
        fi
        _list=$_list$_pre${_f##*/}$_nl
      done
      set -f
      IFS=$_i
      [ -n "$_list" ] && _r=$_r$(printf '%s' "$_list" | LC_ALL=C sort -f)$_nl
    done
  done
}
