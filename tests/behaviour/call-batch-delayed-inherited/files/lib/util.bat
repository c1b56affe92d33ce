set r=util %1 !v!
echo util %1 !v! done!
