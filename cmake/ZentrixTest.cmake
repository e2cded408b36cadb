# zentrix_add_test(<name> SOURCES ... LIBS ...): one GoogleTest executable per area,
# run by CTest with the offscreen platform so that windows work without a display.
function(zentrix_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ZENTRIX_SOURCE_DIR=${CMAKE_SOURCE_DIR};ZENTRIX_BIN_DIR=${CMAKE_BINARY_DIR}/bin"
    TIMEOUT 600)
endfunction()
