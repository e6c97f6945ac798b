CMakeFiles/phyengine.dir/ops/units.cpp.o: /work/main/ops/units.cpp \
 /usr/include/stdc-predef.h /work/main/ops/contract.h \
 /work/main/core/quantity.h /work/main/ops/ops.h
