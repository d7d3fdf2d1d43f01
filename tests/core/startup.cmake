# The instance's work folder and the folder choosers.
target_sources(CoreTest PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/WorkFolderTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmBrowseFolderExTest.cpp
)


# The folder chooser's real shell tree shows windows and waits for Wine's shell, which answers in seconds on
# a quiet machine and not at all on some busy runs: those two tests run only when asked for, on their own.
option(TOLVENAR_REAL_SHELL_TESTS "Run the folder chooser over the real shell tree" OFF)
set(real_shell_tests "frmBrowseFolderExTest.EmbedsTheShellTreeAndRebuildsItOnANewFolder:frmBrowseFolderExTest.EscInTheEmbeddedTreeCancels")
set_property(TEST CoreTest APPEND PROPERTY ENVIRONMENT "GTEST_FILTER=-${real_shell_tests}")
if(TOLVENAR_REAL_SHELL_TESTS)
  add_test(NAME CoreRealShellTest COMMAND CoreTest --gtest_filter=${real_shell_tests})
  set_tests_properties(CoreRealShellTest PROPERTIES RUN_SERIAL TRUE TIMEOUT 600
    ENVIRONMENT "TOLVENAR_STANDINS=${STANDIN_OUTPUT_DIRECTORY};TOLVENAR_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
endif()
