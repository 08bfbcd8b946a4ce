# Test registration for the three kinds of tests:
#   unit  - portable code, GoogleTest, run natively (and under Wine in the Windows build)
#   motif - the Motif half, each test executable on a private Xvfb display with mwm
#   wine  - the native half under Wine (one ctest test per executable: each Wine start costs)

if(WIN32)
  # GoogleTest is built from Debian's sources with the cross compiler.
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  # Its own CMake files define the GTest:: aliases used below.
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
endif()

# Where the tests find the message catalogues of the build tree.
set(CVGUI_NLS_DIR ${CMAKE_BINARY_DIR}/share/locale)
if(WIN32)
  set(CVGUI_NLSPATH "${CVGUI_NLS_DIR}/%l/LC_MESSAGES/%N.msg:${CVGUI_NLS_DIR}/C/LC_MESSAGES/%N.msg")
else()
  set(CVGUI_NLSPATH "${CVGUI_NLS_DIR}/%l/LC_MESSAGES/%N:${CVGUI_NLS_DIR}/C/LC_MESSAGES/%N")
endif()

# cvgui_add_test(NAME KIND SOURCES... [LIBS ...] [ENV ...] [NO_MAIN])
function(cvgui_add_test name kind)
  cmake_parse_arguments(T "NO_MAIN" "" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest)
  if(NOT T_NO_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  if(kind STREQUAL "motif")
    # Tests press buttons through the server as a user does.
    target_link_libraries(${name} PRIVATE X11::Xtst)
  endif()
  # Both builds' tests run in one ctest run, where a name must be unique.
  set(testname ${name})
  if(WIN32 AND kind STREQUAL "unit")
    set(testname ${name}_wine)
  endif()
  if(kind STREQUAL "motif")
    add_test(NAME ${testname} COMMAND ${CVGUI_SCRIPTS}/xsession.sh $<TARGET_FILE:${name}>)
  else()
    add_test(NAME ${testname} COMMAND ${name})
  endif()
  set_tests_properties(${testname} PROPERTIES
    LABELS ${kind}
    TIMEOUT 300
    ENVIRONMENT "NLSPATH=${CVGUI_NLSPATH};CVGUI_SOURCE_DIR=${CMAKE_SOURCE_DIR};CVGUI_BINARY_DIR=${CMAKE_BINARY_DIR};${T_ENV}")
endfunction()
