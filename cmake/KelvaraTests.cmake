# Helpers for declaring the two kinds of test the project has.
include(GoogleTest)

# kv_add_gtest(NAME SOURCES... LIBS ...): a GoogleTest suite of plain C++ code.
function(kv_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name} WORKING_DIRECTORY ${KV_RUNTIME_DIR} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "KV_RUNTIME_DIR=${KV_RUNTIME_DIR}")
endfunction()

# kv_add_qttest(NAME SOURCES... LIBS ...): a Qt Test suite of windows, run under
# the offscreen platform so that no display is needed and no dialog can block.
function(kv_add_qttest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${KV_RUNTIME_DIR})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen;KV_RUNTIME_DIR=${KV_RUNTIME_DIR};XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime")
endfunction()

file(MAKE_DIRECTORY ${KV_RUNTIME_DIR} ${CMAKE_BINARY_DIR}/xdg-runtime)
file(CHMOD ${CMAKE_BINARY_DIR}/xdg-runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
