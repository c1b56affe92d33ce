# _st: after a pipeline, the exit status of its last program becomes the
# errorlevel.
_st() {
  _el=$?
  return "$_el"
}
