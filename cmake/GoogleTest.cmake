# GoogleTest from Debian's source package, built for whichever target this is.
set(TORNAVEL_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest sources")
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
if(NOT EXISTS "${TORNAVEL_GTEST_SOURCE}/CMakeLists.txt")
  message(STATUS "GoogleTest sources not found at ${TORNAVEL_GTEST_SOURCE}: building the program only")
  set(TORNAVEL_HAVE_GTEST OFF)
  return()
endif()
set(TORNAVEL_HAVE_GTEST ON)
add_subdirectory(${TORNAVEL_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
include(GoogleTest)

# tornavel_add_test(NAME name SOURCES ... LIBS ...): one GoogleTest executable,
# its cases registered with ctest one by one.
function(tornavel_add_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${T_NAME} ${PROJECT_SOURCE_DIR}/tests/TestMain.cpp ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest)
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_options(${T_NAME} PRIVATE ${TORNAVEL_WARNINGS})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  gtest_discover_tests(${T_NAME}
    DISCOVERY_TIMEOUT 120
    DISCOVERY_MODE PRE_TEST
    # A case that could not be tried here (GTEST_SKIP) counts as skipped,
    # never as passed.
    PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS "${T_LABELS}"
               SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
endfunction()
