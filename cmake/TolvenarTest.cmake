# tolvenar_add_gtest(<name> SOURCES <files...> [LIBS <targets...>])
# One GoogleTest program, registered whole: ctest runs it under Wine through the emulator.
function(tolvenar_add_gtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} tolvenar_testsupport gmock gtest)
  target_link_options(${name} PRIVATE -municode)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 600
    ENVIRONMENT "TOLVENAR_STANDINS=${STANDIN_OUTPUT_DIRECTORY};TOLVENAR_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
endfunction()
