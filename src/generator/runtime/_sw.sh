# _sw WORD: sets _swp to "x" when WORD starts with a slash but names a file
# rather than a switch, and to nothing otherwise. cmd's switches start with a
# slash, and so do the absolute paths that expansions such as %TEMP% and
# %~dp0 give here: a path holds a backslash, or is there, or lies in a folder
# that is there, where a switch ("/q", "/s/q", "/a:-d") does not.
_sw() {
  _swp=
  case $1 in
  /*\\*) _swp=x ;;
  /*)
    if [ -e "$1" ]; then
      _swp=x
    else
      case $1 in
      /*/*) [ -d "${1%/*}" ] && _swp=x ;;
      esac
    fi
    ;;
  esac
  return 0
}
