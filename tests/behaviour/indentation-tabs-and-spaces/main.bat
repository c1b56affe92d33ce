@echo off
	echo a tab before
    echo spaces before
	  	echo mixed
if 1==1 (
	echo tab in a block
		set t=1
)
echo [%t%]
