# _exist PATH: "if exist": a file or folder of that name, or one that matches
# its wildcards, is there. "folder\nul" asks whether the folder exists.
# needs: _bs
_exist() {
  _t=$1
  case $_t in
  *\"*) _t=$(printf '%s' "$_t" | tr -d '"') ;;
  esac
  _bs _t "$_t"
  case $_t in
  */[nN][uU][lL] | [nN][uU][lL]) [ -d "${_t%[nN][uU][lL]}." ]; return ;;
  *[*?]*)
    _i=$IFS
    IFS=
    set +f
    for _f in $_t; do
      if [ -e "$_f" ]; then
        set -f
        IFS=$_i
        return 0
      fi
    done
    set -f
    IFS=$_i
    return 1
    ;;
  esac
  [ -e "$_t" ]
}
