# cmake -DSOURCE_DIR=... -DBINARY_DIR=... -DCXX=... -P run.cmake
# Configures, builds and runs the sanitized store tests; fails on any error.
function(step what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "sanitized tally tests: ${what} failed (${result})")
  endif()
endfunction()

set(generator)
find_program(NINJA ninja)
if(NINJA)
  set(generator -G Ninja)
endif()
if(NOT EXISTS ${BINARY_DIR}/CMakeCache.txt)
  step(configure ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${BINARY_DIR} ${generator}
       -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=${CXX})
endif()
step(build ${CMAKE_COMMAND} --build ${BINARY_DIR} --parallel 2)
set(ENV{ASAN_OPTIONS} "abort_on_error=0:halt_on_error=1")
set(ENV{UBSAN_OPTIONS} "print_stacktrace=1:halt_on_error=1")
step(run ${BINARY_DIR}/tally_sanitized_tests --gtest_brief=1)
