# _walk MODE FOLDER NAME: sets _r to the files and folders in FOLDER and in
# every folder below it whose names match NAME (cmd's wildcards, in any case),
# one a line, in the order in which cmd walks a tree: a folder's own names
# first, sorted ignoring case, then each folder below it in that order, depth
# first. MODE holds letters as for _wild: f for files only, d for folders only,
# h to take hidden names (starting with a dot) and to look inside hidden
# folders. Fails when nothing matches. One find and one sort, whatever the
# depth of the tree.
# needs: _cipat _nl
# shellcheck disable=SC2154
_walk() {
  _wkm=$1
  _wkd=${2%/}
  [ -n "$_wkd" ] || _wkd=/
  _cipat _wkq "$3" w
  set -- "$_wkd/."
  case $_wkm in
  *h*) ;;
  *) set -- "$@" -name '.?*' -type d -prune -o ! -name '.*' ;;
  esac
  case $_wkm in
  *f*) set -- "$@" ! -type d ;;
  *d*) set -- "$@" -type d ;;
  esac
  _r=$(command -p find "$@" ! -name . -name "$_wkq" -print 2>/dev/null |
    command -p awk '{
      p = $0
      sub(/\/\.\//, "/", p)
      n = p
      sub(/.*\//, "", n)
      d = substr(p, 1, length(p) - length(n) - 1)
      gsub(/\//, "\002", d)
      print d "\001" n "\t" p
    }' | LC_ALL=C command -p sort -f -t '	' -k1,1 | command -p cut -f2-)
  [ -n "$_r" ] || return 1
  _r=$_r$_nl
}
