CMakeFiles/phycore.dir/core/settings.cpp.o: /work/main/core/settings.cpp \
 /usr/include/stdc-predef.h /work/main/core/settings.h
