CMakeFiles/phydef.dir/phydef/main.cpp.o: /work/main/phydef/main.cpp \
 /usr/include/stdc-predef.h
