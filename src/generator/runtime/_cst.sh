# _cst: after a child (cmd /c), its exit status becomes the errorlevel; 127,
# which a child leaves for errorlevel 9009 (a program that could not be
# found, or a Windows program stopped), gives 9009 and stays 127, so that a
# pipeline that the child ends turns it into 9009 too (_st).
_cst() {
  _el=$?
  [ "$_el" != 127 ] || {
    _el=9009
    return 127
  }
  return "$_el"
}
