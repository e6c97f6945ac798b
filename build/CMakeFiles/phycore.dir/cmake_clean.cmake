file(REMOVE_RECURSE
  "CMakeFiles/phycore.dir/core/deffile.cpp.o"
  "CMakeFiles/phycore.dir/core/deffile.cpp.o.d"
  "CMakeFiles/phycore.dir/core/quantity.cpp.o"
  "CMakeFiles/phycore.dir/core/quantity.cpp.o.d"
  "CMakeFiles/phycore.dir/core/settings.cpp.o"
  "CMakeFiles/phycore.dir/core/settings.cpp.o.d"
  "CMakeFiles/phycore.dir/core/strings.cpp.o"
  "CMakeFiles/phycore.dir/core/strings.cpp.o.d"
  "libphycore.a"
  "libphycore.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/phycore.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
