# Configures and builds core/ with the Windows cross compiler; called by CTest.
#   -DSOURCE_DIR=<project> -DBINARY_DIR=<scratch build> -DSOURCE_LIST=<file>
set(here ${CMAKE_CURRENT_LIST_DIR})
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${here}/core -B ${BINARY_DIR} -G Ninja
          -DCMAKE_TOOLCHAIN_FILE=${here}/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release
          -DRT410_SOURCE_DIR=${SOURCE_DIR} -DRT410_CORE_SOURCE_LIST=${SOURCE_LIST}
  RESULT_VARIABLE configured OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT configured EQUAL 0)
  message(FATAL_ERROR "windows core: the cross compiler could not be set up "
                      "(scripts/install-deps installs g++-mingw-w64-x86-64-posix)\n${out}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY_DIR} -- -k 0
                RESULT_VARIABLE built OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT built EQUAL 0)
  # Only the failing files and their first errors, so the cause stands out.
  string(REGEX MATCHALL "FAILED: [^\n]*|[^\n]*(error:|undefined reference)[^\n]*" faults "${out}")
  list(JOIN faults "\n  " faults)
  message(FATAL_ERROR "windows core: the core does not build for Windows:\n  ${faults}")
endif()
message(STATUS "windows core: every core source builds and links for Windows")
