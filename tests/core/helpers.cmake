# Tests of the path, shell, command-line, archive-type, drive/version and common-dialog helpers and the seams.
target_sources(CoreTest PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/modPathTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ArcTypeTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/modCommandLineTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/modShellTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clsDriveTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clsFileInfoTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clsFileVersionTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommonDlgTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SeamsTest.cpp
)
