# CMake generated Testfile for 
# Source directory: /work/main/tests
# Build directory: /work/main/build/tests
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/main/build/tests/unit_tests[1]_include.cmake")
add_test([=[e2e]=] "/work/main/build/tests/e2e_tests")
set_tests_properties([=[e2e]=] PROPERTIES  _BACKTRACE_TRIPLES "/work/main/tests/CMakeLists.txt;16;add_test;/work/main/tests/CMakeLists.txt;0;")
