# cmake -DSOURCE_DIR=<fuzz/> -DBINARY_DIR=... -DCXX=<clang++> -P build.cmake
# Configures the fuzz project with clang once, then brings it up to date.
function(step what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "fuzz targets: ${what} failed (${result})")
  endif()
endfunction()

set(options)
find_program(NINJA ninja)
if(NINJA)
  list(APPEND options -G Ninja)
endif()
find_program(CCACHE ccache)
if(CCACHE)
  list(APPEND options -DCMAKE_CXX_COMPILER_LAUNCHER=${CCACHE})
endif()
if(NOT EXISTS ${BINARY_DIR}/CMakeCache.txt)
  step(configure ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${BINARY_DIR} ${options}
       -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=${CXX})
endif()
step(build ${CMAKE_COMMAND} --build ${BINARY_DIR} --parallel 2)
