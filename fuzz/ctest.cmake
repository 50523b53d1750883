# The fuzz targets in ctest (label "fuzz"): a clang build of just those
# targets in its own folder, set up once as a fixture, then each target for
# 15 seconds. Without clang the tests report that they were skipped.
# One target per seed folder: fuzz/corpus/NAME seeds fuzz_NAME.
file(GLOB VELMORA_FUZZ_NAMES RELATIVE ${CMAKE_CURRENT_LIST_DIR}/corpus ${CMAKE_CURRENT_LIST_DIR}/corpus/*)
find_program(VELMORA_CLANGXX NAMES clang++ clang++-14)
set(fuzz_src ${CMAKE_CURRENT_LIST_DIR})
set(fuzz_bin ${CMAKE_BINARY_DIR}/fuzz)
if(VELMORA_CLANGXX)
  add_test(NAME fuzz_build COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${fuzz_src} -DBINARY_DIR=${fuzz_bin}
           -DCXX=${VELMORA_CLANGXX} -P ${fuzz_src}/build.cmake)
  set_tests_properties(fuzz_build PROPERTIES FIXTURES_SETUP velmora_fuzz LABELS fuzz TIMEOUT 1800)
  foreach(name IN LISTS VELMORA_FUZZ_NAMES)
    add_test(NAME fuzz_${name} COMMAND bash ${fuzz_src}/run.sh ${fuzz_bin} ${name} 15)
    set_tests_properties(fuzz_${name} PROPERTIES FIXTURES_REQUIRED velmora_fuzz LABELS fuzz TIMEOUT 120)
  endforeach()
else()
  foreach(name IN LISTS VELMORA_FUZZ_NAMES)
    add_test(NAME fuzz_${name} COMMAND ${CMAKE_COMMAND} -E echo
             "fuzz_${name} skipped: no clang++ (scripts/setup.sh installs clang and libclang-rt-14-dev)")
    set_tests_properties(fuzz_${name} PROPERTIES LABELS fuzz SKIP_REGULAR_EXPRESSION "skipped")
  endforeach()
endif()
