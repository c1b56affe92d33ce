# _a0: %0, the name the script was started with, the batch file's rather than
# the script's (build.bat for build.sh); a call sets it to the label, and a
# batch file run by another gets the name its caller wrote.
_a0=${_self:-$0}
case $_a0 in
*.sh) _a0=${_a0%.sh}.bat ;;
esac
