# TAR, CAB and the fixture format on the host: unit tests, round trips against
# Debian's tar, cabextract and gcab, and a short libFuzzer run of each reader.
# Included by standins/native/CMakeLists.txt (STANDIN_ROOT, standin_engine_for).
set(PARTB_ENGINE_FILES
  tar_codec.cpp tar_gzip.cpp tar_format.cpp tar_command.cpp
  cab_mszip.cpp cab_reader.cpp cab_writer.cpp cab_format.cpp cab_command.cpp
  fixture_format.cpp fixture_handler.cpp fixture_command.cpp fixture_syntax.cpp fixture_listing.cpp)
list(TRANSFORM PARTB_ENGINE_FILES PREPEND ${STANDIN_ROOT}/engine/)
set(PARTB_TEST_DIR ${STANDIN_ROOT}/tests/native/partb)

add_library(standin_partb_host STATIC ${PARTB_ENGINE_FILES})
target_link_libraries(standin_partb_host PUBLIC standin_engine_host)
target_compile_options(standin_partb_host PRIVATE -Wall -Wextra)

add_executable(PartbNativeTest
  ${PARTB_TEST_DIR}/TarCodecTest.cpp ${PARTB_TEST_DIR}/CabCodecTest.cpp ${PARTB_TEST_DIR}/FixtureFormatTest.cpp
  ${PARTB_TEST_DIR}/ToolsInteropTest.cpp ${PARTB_TEST_DIR}/FixtureCommandTest.cpp ${PARTB_TEST_DIR}/PartbTestUtil.cpp)
target_link_libraries(PartbNativeTest PRIVATE standin_partb_host gtest_main)
add_test(NAME PartbNativeTest COMMAND PartbNativeTest)
set_tests_properties(PartbNativeTest PROPERTIES TIMEOUT 300)

if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  add_library(standin_partb_fuzz STATIC ${PARTB_ENGINE_FILES})
  target_compile_options(standin_partb_fuzz PRIVATE -fsanitize=fuzzer-no-link,address,undefined -g -O1)
  target_link_libraries(standin_partb_fuzz PUBLIC standin_engine_fuzz)
  target_link_options(standin_partb_fuzz PUBLIC -fsanitize=address,undefined)
  foreach(reader Tar Cab Fixture)
    set(fuzzer Fuzz${reader}Reader)
    add_executable(${fuzzer} ${PARTB_TEST_DIR}/${fuzzer}.cpp ${PARTB_TEST_DIR}/FuzzSupport.cpp)
    target_compile_options(${fuzzer} PRIVATE -fsanitize=fuzzer,address,undefined -g -O1)
    target_link_options(${fuzzer} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${fuzzer} PRIVATE standin_partb_fuzz)
    # New inputs go to a folder in the build tree; the seeds in the sources stay untouched.
    set(found ${CMAKE_CURRENT_BINARY_DIR}/corpus-${reader})
    file(MAKE_DIRECTORY ${found})
    add_test(NAME ${fuzzer}
      COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1
              $<TARGET_FILE:${fuzzer}> -runs=30000 -max_total_time=30 -timeout=10 -rss_limit_mb=2048
              ${found} ${PARTB_TEST_DIR}/corpus/${reader})
    set_tests_properties(${fuzzer} PROPERTIES TIMEOUT 120)
  endforeach()
endif()
