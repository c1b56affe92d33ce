@echo off
findstr /b "error" log.txt
findstr /e "good" log.txt
findstr /x /c:"error: timeout" log.txt
findstr /x "error: timeout" log.txt
findstr /c:"low memory" log.txt
findstr "disk timeout" log.txt
findstr /r "^[ew].*y$" log.txt
findstr /r "o.d" log.txt
type log.txt | findstr /i /b "info"
