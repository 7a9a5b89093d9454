# quarry_add_test(NAME SOURCES...): one Qt Test executable registered with ctest, linking the
# library of the layer its folder mirrors (tests/jigsaw links quarry_jigsaw and what lies below).
# Tests run headless on Qt's offscreen platform.
function(quarry_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES" ${ARGN})
  get_filename_component(layer ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE quarry_${layer} quarry_testsupport Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QUARRY_RUNTIME_DIR=${QUARRY_RUNTIME_DIR};ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1"
    TIMEOUT 300)
endfunction()
