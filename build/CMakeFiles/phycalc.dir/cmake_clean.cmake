file(REMOVE_RECURSE
  "CMakeFiles/phycalc.dir/phycalc/main.cpp.o"
  "CMakeFiles/phycalc.dir/phycalc/main.cpp.o.d"
  "phycalc"
  "phycalc.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/phycalc.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
