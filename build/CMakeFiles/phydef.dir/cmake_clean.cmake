file(REMOVE_RECURSE
  "CMakeFiles/phydef.dir/phydef/entry.cpp.o"
  "CMakeFiles/phydef.dir/phydef/entry.cpp.o.d"
  "CMakeFiles/phydef.dir/phydef/main.cpp.o"
  "CMakeFiles/phydef.dir/phydef/main.cpp.o.d"
  "phydef"
  "phydef.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/phydef.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
