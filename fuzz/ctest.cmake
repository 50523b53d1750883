# The fuzz targets in ctest (label "fuzz"): a clang build of just those
# targets in its own folder, set up once as a fixture, then each target for
# 15 seconds. Without clang the tests report that they were skipped.
# The targets, each seeded by fuzz/corpus/NAME (fuzz/CMakeLists.txt builds fuzz_NAME).
set(VELMORA_FUZZ_NAMES announcement client_events command_line host_connection lzrw1_expand settings_file
    table_file tally_file)
# VELMORA_CLANGXX is looked for at the top, before the tests.
set(fuzz_src ${CMAKE_CURRENT_LIST_DIR})
set(fuzz_bin ${CMAKE_BINARY_DIR}/fuzz)
if(VELMORA_CLANGXX)
  # The builds inside tests and the fuzz runs take longest: a high COST
  # starts them first, so the rest of the tests run beside them instead of
  # after them. Both builds share build/fuzz, one at a time.
  add_test(NAME fuzz_build COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${fuzz_src} -DBINARY_DIR=${fuzz_bin}
           -DCXX=${VELMORA_CLANGXX} -P ${fuzz_src}/build.cmake)
  set_tests_properties(fuzz_build PROPERTIES FIXTURES_SETUP velmora_fuzz LABELS fuzz TIMEOUT 1800
                       RESOURCE_LOCK velmora_fuzz_build COST 1000)
  foreach(name IN LISTS VELMORA_FUZZ_NAMES)
    add_test(NAME fuzz_${name} COMMAND bash ${fuzz_src}/run.sh ${fuzz_bin} ${name} 15)
    set_tests_properties(fuzz_${name} PROPERTIES FIXTURES_REQUIRED velmora_fuzz LABELS fuzz TIMEOUT 120 COST 100)
  endforeach()
  # The store's damaged-file tests under AddressSanitizer and
  # UndefinedBehaviorSanitizer, built in the fuzz project from the objects
  # the fuzz targets use (just that program when the fuzz tests are left out).
  add_test(NAME tally_sanitized_damaged_files
           COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${fuzz_src} -DBINARY_DIR=${fuzz_bin} -DCXX=${VELMORA_CLANGXX}
                   -DTARGET=tally_sanitized_tests -DRUN=ON -P ${fuzz_src}/build.cmake)
  set_tests_properties(tally_sanitized_damaged_files PROPERTIES TIMEOUT 900 RESOURCE_LOCK velmora_fuzz_build
                       COST 900)
else()
  foreach(name IN LISTS VELMORA_FUZZ_NAMES)
    add_test(NAME fuzz_${name} COMMAND ${CMAKE_COMMAND} -E echo
             "fuzz_${name} skipped: no clang++ (scripts/setup.sh installs clang and libclang-rt-14-dev)")
    set_tests_properties(fuzz_${name} PROPERTIES LABELS fuzz SKIP_REGULAR_EXPRESSION "skipped")
  endforeach()
endif()
