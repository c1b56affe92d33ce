@echo off
rem git keeps no empty folder: the empty one is made here
md top\a\deep
tree /a /f top > t1.txt
more +3 t1.txt
Tree.com top /A > t2.txt
more +3 t2.txt
tree top\b\c /a > t3.txt
more +3 t3.txt
del t1.txt t2.txt t3.txt
exit /b 0
