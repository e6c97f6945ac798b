
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/engine/handlestr.cpp" "CMakeFiles/phyengine.dir/engine/handlestr.cpp.o" "gcc" "CMakeFiles/phyengine.dir/engine/handlestr.cpp.o.d"
  "/work/main/engine/loop.cpp" "CMakeFiles/phyengine.dir/engine/loop.cpp.o" "gcc" "CMakeFiles/phyengine.dir/engine/loop.cpp.o.d"
  "/work/main/engine/print.cpp" "CMakeFiles/phyengine.dir/engine/print.cpp.o" "gcc" "CMakeFiles/phyengine.dir/engine/print.cpp.o.d"
  "/work/main/engine/priority.cpp" "CMakeFiles/phyengine.dir/engine/priority.cpp.o" "gcc" "CMakeFiles/phyengine.dir/engine/priority.cpp.o.d"
  "/work/main/frontend/expand.cpp" "CMakeFiles/phyengine.dir/frontend/expand.cpp.o" "gcc" "CMakeFiles/phyengine.dir/frontend/expand.cpp.o.d"
  "/work/main/frontend/prepass.cpp" "CMakeFiles/phyengine.dir/frontend/prepass.cpp.o" "gcc" "CMakeFiles/phyengine.dir/frontend/prepass.cpp.o.d"
  "/work/main/frontend/tokenise.cpp" "CMakeFiles/phyengine.dir/frontend/tokenise.cpp.o" "gcc" "CMakeFiles/phyengine.dir/frontend/tokenise.cpp.o.d"
  "/work/main/funcs/components.cpp" "CMakeFiles/phyengine.dir/funcs/components.cpp.o" "gcc" "CMakeFiles/phyengine.dir/funcs/components.cpp.o.d"
  "/work/main/funcs/elementary.cpp" "CMakeFiles/phyengine.dir/funcs/elementary.cpp.o" "gcc" "CMakeFiles/phyengine.dir/funcs/elementary.cpp.o.d"
  "/work/main/funcs/prefix.cpp" "CMakeFiles/phyengine.dir/funcs/prefix.cpp.o" "gcc" "CMakeFiles/phyengine.dir/funcs/prefix.cpp.o.d"
  "/work/main/funcs/trig.cpp" "CMakeFiles/phyengine.dir/funcs/trig.cpp.o" "gcc" "CMakeFiles/phyengine.dir/funcs/trig.cpp.o.d"
  "/work/main/ops/arith.cpp" "CMakeFiles/phyengine.dir/ops/arith.cpp.o" "gcc" "CMakeFiles/phyengine.dir/ops/arith.cpp.o.d"
  "/work/main/ops/contract.cpp" "CMakeFiles/phyengine.dir/ops/contract.cpp.o" "gcc" "CMakeFiles/phyengine.dir/ops/contract.cpp.o.d"
  "/work/main/ops/power.cpp" "CMakeFiles/phyengine.dir/ops/power.cpp.o" "gcc" "CMakeFiles/phyengine.dir/ops/power.cpp.o.d"
  "/work/main/ops/units.cpp" "CMakeFiles/phyengine.dir/ops/units.cpp.o" "gcc" "CMakeFiles/phyengine.dir/ops/units.cpp.o.d"
  "/work/main/ops/vars.cpp" "CMakeFiles/phyengine.dir/ops/vars.cpp.o" "gcc" "CMakeFiles/phyengine.dir/ops/vars.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build/CMakeFiles/phycore.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
