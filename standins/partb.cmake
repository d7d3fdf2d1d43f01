# The libraries and console tools over TAR, CAB and the fixture format, and
# their Windows-side tests. Included at the end of standins/CMakeLists.txt.
set(PARTB_ENGINE_FILES
  tar_codec.cpp tar_gzip.cpp tar_format.cpp tar_command.cpp
  cab_mszip.cpp cab_reader.cpp cab_writer.cpp cab_format.cpp cab_command.cpp
  fixture_format.cpp fixture_handler.cpp fixture_command.cpp fixture_syntax.cpp fixture_listing.cpp)
list(TRANSFORM PARTB_ENGINE_FILES PREPEND ${STANDIN_SOURCE_DIR}/engine/)

add_library(standin_partb_engine STATIC ${PARTB_ENGINE_FILES})
target_link_libraries(standin_partb_engine PUBLIC standin_engine)
target_compile_options(standin_partb_engine PRIVATE -UUNICODE -U_UNICODE)

set(PARTB_LIB_DIR ${STANDIN_SOURCE_DIR}/tools/libraries)
add_library(standin_partb_glue STATIC ${PARTB_LIB_DIR}/FixtureLibrary.cpp)
target_link_libraries(standin_partb_glue PUBLIC standin_partb_engine standin_dllglue)

# partb_add_dll(<file name without .dll> <source> <def>)
function(partb_add_dll name source def)
  string(MAKE_C_IDENTIFIER "standin_${name}" target)
  standin_add_dll(${target} OUTPUT_NAME ${name} DEF ${PARTB_LIB_DIR}/${def} SOURCES ${PARTB_LIB_DIR}/${source})
  target_link_libraries(${target} PRIVATE standin_partb_glue)
  set(PARTB_TARGETS ${PARTB_TARGETS} ${target} PARENT_SCOPE)
endfunction()

set(PARTB_TARGETS)
partb_add_dll(tar32 Tar32.cpp tar32.def)
partb_add_dll(cab32 Cab32.cpp cab32.def)
partb_add_dll(7-zip32 SevenZip32.cpp 7-zip32.def)
partb_add_dll(unrar32 Unrar32.cpp unrar32.def)
partb_add_dll(unrar Unrar.cpp unrar.def)
partb_add_dll(unarj32j Unarj32j.cpp unarj32j.def)
partb_add_dll(ish32 Ish32.cpp ish32.def)
partb_add_dll(Yz1 Yz1.cpp Yz1.def)
partb_add_dll(Yz2 Yz2.cpp Yz2.def)
partb_add_dll(bga32 Bga32.cpp bga32.def)
partb_add_dll(ungca32 Ungca32.cpp ungca32.def)
partb_add_dll(unbel32 Unbel32.cpp unbel32.def)
partb_add_dll(unimp32 Unimp32.cpp unimp32.def)
partb_add_dll(Bh32 Bh32.cpp Bh32.def)

# bz2lib.dll only tells its version.
standin_add_dll(standin_bz2lib OUTPUT_NAME bz2lib DEF ${PARTB_LIB_DIR}/bz2lib.def
  SOURCES ${STANDIN_SOURCE_DIR}/dll/VersionOnly.cpp)
target_compile_definitions(standin_bz2lib PRIVATE STANDIN_VERSION_ONLY_LIBRARY="bz2lib"
  STANDIN_VERSION_ONLY_PREFIX=BZ2 STANDIN_VERSION_ONLY_ENTRY=BZ2GetVersion STANDIN_VERSION_ONLY_DEFAULT=100)
list(APPEND PARTB_TARGETS standin_bz2lib)

set(PARTB_TOOL_DIR ${STANDIN_SOURCE_DIR}/tools)
add_library(standin_partb_tool STATIC ${PARTB_TOOL_DIR}/ToolMain.cpp)
target_link_libraries(standin_partb_tool PUBLIC standin_partb_engine standin_dllglue)
foreach(tool rar arj ace jar32 gcac)
  add_executable(standin_tool_${tool} ${PARTB_TOOL_DIR}/${tool}.cpp)
  target_link_libraries(standin_tool_${tool} PRIVATE standin_partb_tool)
  target_link_options(standin_tool_${tool} PRIVATE -municode)
  set_target_properties(standin_tool_${tool} PROPERTIES OUTPUT_NAME ${tool}
    RUNTIME_OUTPUT_DIRECTORY ${STANDIN_OUTPUT_DIRECTORY})
  list(APPEND PARTB_TARGETS standin_tool_${tool})
endforeach()

# The self-extractor stub also unpacks the CAB, TAR and fixture archives these tools attach to it.
target_link_libraries(standin_sfx PRIVATE standin_partb_engine)

add_custom_target(standins_partb ALL DEPENDS ${PARTB_TARGETS})

if(BUILD_TESTING)
  set(PARTB_WIN_TESTS ${STANDIN_SOURCE_DIR}/tests/win/partb)
  tolvenar_add_gtest(StandinTarCabFixtureTest SOURCES ${PARTB_WIN_TESTS}/TarCabDllTest.cpp
    ${PARTB_WIN_TESTS}/FixtureDllTest.cpp ${PARTB_WIN_TESTS}/ToolsTest.cpp ${PARTB_WIN_TESTS}/FixtureWinSupport.cpp
    ${STANDIN_SOURCE_DIR}/tests/win/StandinLibrary.cpp
    LIBS standin_partb_engine standin_dllglue)
  add_dependencies(StandinTarCabFixtureTest standins_partb standins)
endif()
