set called=yes
set a=from-other
