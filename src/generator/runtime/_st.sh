# _st: after a pipeline, the exit status of its last program becomes the
# errorlevel; a program that was nowhere to be found (127, as _run ends in a
# pipeline's child) gives cmd's 9009.
_st() {
  _el=$?
  [ "$_el" != 127 ] || _el=9009
  return "$_el"
}
