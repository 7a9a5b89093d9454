# quarry_add_test(NAME SOURCES... [UI]): one Qt Test executable registered with ctest.
# Tests run headless on Qt's offscreen platform; UI tests also link the window library.
function(quarry_add_test name)
  cmake_parse_arguments(ARG "UI" "" "SOURCES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE quarry_testsupport Qt6::Test)
  if(ARG_UI)
    target_link_libraries(${name} PRIVATE quarry_ui)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QUARRY_RUNTIME_DIR=${QUARRY_RUNTIME_DIR};ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1"
    TIMEOUT 300)
endfunction()
