CMakeFiles/phydef.dir/phydef/entry.cpp.o: /work/main/phydef/entry.cpp \
 /usr/include/stdc-predef.h
