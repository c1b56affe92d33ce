# _winenv: defines the variables that name Windows' own folders, as cmd finds
# them set, unless they are set already: the user's folders for application
# data are the XDG folders, and the system's are in the folder of drive C:.
# The processor's kind and count are this machine's.
# needs: _drive
# shellcheck disable=SC2034 # the variables are for the batch file and its programs
_winenv() {
  _drive _wec c
  _wec=${_wec%/}
  : "${APPDATA=${XDG_CONFIG_HOME:-$HOME/.config}}"
  : "${LOCALAPPDATA=${XDG_DATA_HOME:-$HOME/.local/share}}"
  : "${PROGRAMDATA=$_wec/ProgramData}"
  : "${ALLUSERSPROFILE=$_wec/ProgramData}"
  : "${PROGRAMFILES=$_wec/Program Files}"
  : "${xPROGRAMFILES_28X86_29=$_wec/Program Files (x86)}"
  : "${PROGRAMW6432=$_wec/Program Files}"
  : "${COMMONPROGRAMFILES=$_wec/Program Files/Common Files}"
  : "${xCOMMONPROGRAMFILES_28X86_29=$_wec/Program Files (x86)/Common Files}"
  : "${COMMONPROGRAMW6432=$_wec/Program Files/Common Files}"
  : "${SYSTEMROOT=$_wec/Windows}"
  : "${WINDIR=$_wec/Windows}"
  : "${COMSPEC=$_wec/Windows/system32/cmd.exe}"
  : "${SYSTEMDRIVE=C:}"
  : "${HOMEDRIVE=C:}"
  : "${HOMEPATH=\\Users\\${xUSERNAME-${USERNAME-$(command -p id -un)}}}"
  : "${PUBLIC=$_wec/Users/Public}"
  : "${PATHEXT=.COM;.EXE;.BAT;.CMD;.VBS;.VBE;.JS;.JSE;.WSF;.WSH;.MSC}"
  if [ -z "${PROCESSOR_ARCHITECTURE+1}" ]; then
    PROCESSOR_ARCHITECTURE=$(command -p uname -m)
    case $PROCESSOR_ARCHITECTURE in
    x86_64 | amd64) PROCESSOR_ARCHITECTURE=AMD64 ;;
    aarch64 | arm64) PROCESSOR_ARCHITECTURE=ARM64 ;;
    i?86) PROCESSOR_ARCHITECTURE=x86 ;;
    esac
  fi
  : "${NUMBER_OF_PROCESSORS=$(command -p getconf _NPROCESSORS_ONLN)}"
  export APPDATA LOCALAPPDATA PROGRAMDATA ALLUSERSPROFILE PROGRAMFILES \
    xPROGRAMFILES_28X86_29 PROGRAMW6432 COMMONPROGRAMFILES \
    xCOMMONPROGRAMFILES_28X86_29 COMMONPROGRAMW6432 SYSTEMROOT WINDIR COMSPEC \
    SYSTEMDRIVE HOMEDRIVE HOMEPATH PUBLIC PATHEXT PROCESSOR_ARCHITECTURE \
    NUMBER_OF_PROCESSORS
}
