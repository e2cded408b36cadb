# zentrix_add_test(<name> [QT_MAIN] SOURCES ... LIBS ...): one GoogleTest executable per area,
# run by CTest with the offscreen platform so that windows work without a display.
# QT_MAIN gives the test the program's application object (needed by windows).
function(zentrix_add_test name)
  cmake_parse_arguments(ARG "QT_MAIN" "" "SOURCES;LIBS" ${ARGN})
  if(ARG_QT_MAIN)
    add_executable(${name} ${ARG_SOURCES} ${CMAKE_SOURCE_DIR}/tests/common/QtTestMain.cpp)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} zx_app GTest::gtest)
  else()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/common)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ZENTRIX_SOURCE_DIR=${CMAKE_SOURCE_DIR};ZENTRIX_BIN_DIR=${CMAKE_BINARY_DIR}/bin"
    TIMEOUT 600)
endfunction()
