@echo off
echo a ^& b
echo ^<tag^>
echo a^^b
echo "quoted & not split"
echo "a > b" and "c | d"
echo redirect^>not
echo pipe ^| not
echo 50%%
echo back\slash\es and c:\paths\
echo 'single' "double" `back`
echo $HOME $(date) ;semicolon *star ?mark
echo ~ tilde {braces} [brackets] #hash
