@echo off
setlocal enabledelayedexpansion
rem A program of each name is in the current folder, which is searched first.
for %%p in (bitsadmin cacls certutil convert cscript diskpart dism expand explorer format fsutil gpupdate icacls ipconfig label manage-bde mode msiexec mshta net netsh powercfg reg runas rundll32 sc schtasks shutdown subst takeown taskkill tasklist vssadmin wmic wscript ping sort fc tree more hostname whoami chcp attrib cmd find findstr where xcopy robocopy timeout choice powershell) do copy namesake %%p >nul
echo x> in.txt
rem Each stopped program, by its name as written.
bitsadmin /x 2>nul
echo bitsadmin [%errorlevel%]
cacls /x 2>nul
echo cacls [%errorlevel%]
certutil /x 2>nul
echo certutil [%errorlevel%]
convert /x 2>nul
echo convert [%errorlevel%]
cscript /x 2>nul
echo cscript [%errorlevel%]
diskpart /x 2>nul
echo diskpart [%errorlevel%]
dism /x 2>nul
echo dism [%errorlevel%]
expand /x 2>nul
echo expand [%errorlevel%]
explorer /x 2>nul
echo explorer [%errorlevel%]
format /x 2>nul
echo format [%errorlevel%]
fsutil /x 2>nul
echo fsutil [%errorlevel%]
gpupdate /x 2>nul
echo gpupdate [%errorlevel%]
icacls /x 2>nul
echo icacls [%errorlevel%]
ipconfig /x 2>nul
echo ipconfig [%errorlevel%]
label /x 2>nul
echo label [%errorlevel%]
manage-bde /x 2>nul
echo manage-bde [%errorlevel%]
mode /x 2>nul
echo mode [%errorlevel%]
msiexec /x 2>nul
echo msiexec [%errorlevel%]
mshta /x 2>nul
echo mshta [%errorlevel%]
net /x 2>nul
echo net [%errorlevel%]
netsh /x 2>nul
echo netsh [%errorlevel%]
powercfg /x 2>nul
echo powercfg [%errorlevel%]
reg /x 2>nul
echo reg [%errorlevel%]
runas /x 2>nul
echo runas [%errorlevel%]
rundll32 /x 2>nul
echo rundll32 [%errorlevel%]
sc /x 2>nul
echo sc [%errorlevel%]
schtasks /x 2>nul
echo schtasks [%errorlevel%]
shutdown /x 2>nul
echo shutdown [%errorlevel%]
subst /x 2>nul
echo subst [%errorlevel%]
takeown /x 2>nul
echo takeown [%errorlevel%]
taskkill /x 2>nul
echo taskkill [%errorlevel%]
tasklist /x 2>nul
echo tasklist [%errorlevel%]
vssadmin /x 2>nul
echo vssadmin [%errorlevel%]
wmic /x 2>nul
echo wmic [%errorlevel%]
wscript /x 2>nul
echo wscript [%errorlevel%]
rem By names in any case, with .exe, and in Windows' own folder.
REG.EXE query x 2>nul
echo REG.EXE [%errorlevel%]
%SystemRoot%\System32\Convert.exe c: /fs:ntfs 2>nul
echo System32 convert [%errorlevel%]
rem By names known only when the script runs.
for %%p in (bitsadmin cacls certutil convert cscript diskpart dism expand explorer format fsutil gpupdate icacls ipconfig label manage-bde mode msiexec mshta net netsh powercfg reg runas rundll32 sc schtasks shutdown subst takeown taskkill tasklist vssadmin wmic wscript) do %%p /x 2>nul & echo %%p by name [!errorlevel!]
rem The translated ones run no namesake either.
ping -n 1 127.0.0.1 >nul
echo ping [%errorlevel%]
sort in.txt
echo sort [%errorlevel%]
fc in.txt in.txt >nul
echo fc [%errorlevel%]
tree >nul
echo tree [%errorlevel%]
hostname >nul
echo hostname [%errorlevel%]
whoami >nul
echo whoami [%errorlevel%]
chcp >nul
echo chcp [%errorlevel%]
attrib -r in.txt
echo attrib [%errorlevel%]
cmd /c exit 2
echo cmd [%errorlevel%]
find "x" in.txt >nul
echo find [%errorlevel%]
powershell -Command "exit 0" 2>nul
echo powershell [%errorlevel%]
