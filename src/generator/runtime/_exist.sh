# _exist PATH: "if exist": a file or folder of that name, or one that matches
# its wildcards, is there. "folder\nul" asks whether the folder exists.
# needs: _bs
_exist() {
  _ex_t=$1
  case $_ex_t in
  *\"*) _ex_t=$(printf '%s' "$_ex_t" | tr -d '"') ;;
  esac
  _bs _ex_t "$_ex_t"
  case $_ex_t in
  */[nN][uU][lL] | [nN][uU][lL]) [ -d "${_ex_t%[nN][uU][lL]}." ]; return ;;
  *[*?]*)
    _ex_i=$IFS
    IFS=
    set +f
    for _ex_f in $_ex_t; do
      if [ -e "$_ex_f" ]; then
        set -f
        IFS=$_ex_i
        return 0
      fi
    done
    set -f
    IFS=$_ex_i
    return 1
    ;;
  esac
  [ -e "$_ex_t" ]
}
