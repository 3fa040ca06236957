# Helpers shared by every directory of the tree.

# vantrel_core_library(NAME SOURCES ... [LIBS ...])
# A core library: standard library, POSIX and libxml2 only. It never links Qt,
# so a Qt include in the core fails to build.
function(vantrel_core_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTORCC OFF)
endfunction()

# vantrel_test(NAME SOURCES ... [LIBS ...] [GUI] [THREADS])
# One GoogleTest executable registered as one CTest test. Tests run in a fixed
# time zone; a test about time zones sets its own. GUI tests run offscreen.
# THREADS marks a test of code that runs threads (label "threads"), which
# scripts/test also runs under ThreadSanitizer.
function(vantrel_test name)
  cmake_parse_arguments(ARG "GUI;THREADS" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  if(NOT ARG_GUI)
    set_target_properties(${name} PROPERTIES AUTOMOC OFF)
  endif()
  set(env "TZ=UTC")
  if(ARG_GUI)
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}")
  if(ARG_THREADS)
    set_tests_properties(${name} PROPERTIES LABELS threads)
  endif()
endfunction()
