file(REMOVE_RECURSE
  "CMakeFiles/phyalloc.dir/core/alloc.cpp.o"
  "CMakeFiles/phyalloc.dir/core/alloc.cpp.o.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/phyalloc.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
