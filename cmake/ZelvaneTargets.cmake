# One library per subsystem folder: every .cpp in the folder is part of it, so adding a
# file needs no edit here.
function(zelvane_library name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.h)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  add_library(${name} STATIC ${sources} ${headers})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# One test program per folder under tests/, run through CTest. Window tests get Qt's
# offscreen platform so that they need no display.
function(zelvane_test_program name dir)
  cmake_parse_arguments(T "WINDOWS" "" "LIBS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${T_LIBS})
  target_compile_definitions(${name} PRIVATE ZELVANE_FIXTURES="${CMAKE_CURRENT_SOURCE_DIR}/fixtures")
  if(T_WINDOWS)
    target_link_libraries(${name} PRIVATE zelvane_qt_test_main)
    set(env "QT_QPA_PLATFORM=offscreen")
  else()
    target_link_libraries(${name} PRIVATE zelvane_test_main)
    set(env "")
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES ENVIRONMENT "${env}")
endfunction()
