@echo off
goto LABEL
echo never
:label
echo case of labels is ignored
goto :colon
echo never
:colon
echo a colon before the name
goto words after the name
echo never
:words
echo the first word names the label
goto trailing
echo never
:trailing text after the label
echo text after a label is ignored
goto tabbed
echo never
	:tabbed
echo an indented label
