
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/core/deffile.cpp" "CMakeFiles/phycore.dir/core/deffile.cpp.o" "gcc" "CMakeFiles/phycore.dir/core/deffile.cpp.o.d"
  "/work/main/core/quantity.cpp" "CMakeFiles/phycore.dir/core/quantity.cpp.o" "gcc" "CMakeFiles/phycore.dir/core/quantity.cpp.o.d"
  "/work/main/core/settings.cpp" "CMakeFiles/phycore.dir/core/settings.cpp.o" "gcc" "CMakeFiles/phycore.dir/core/settings.cpp.o.d"
  "/work/main/core/strings.cpp" "CMakeFiles/phycore.dir/core/strings.cpp.o" "gcc" "CMakeFiles/phycore.dir/core/strings.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
