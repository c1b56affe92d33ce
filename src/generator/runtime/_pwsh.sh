# _pwsh: sets _pw to the pwsh program, which reads the options of Windows'
# powershell, looked for in PATH and then in the system's own folders; fails
# when there is none.
_pwsh() {
  _pw=$(command -v pwsh 2>/dev/null) || _pw=$(command -p -v pwsh 2>/dev/null) || return 1
  case $_pw in
  /*) ;;
  *) return 1 ;;
  esac
}
