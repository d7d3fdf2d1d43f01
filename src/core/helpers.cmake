# Path, shell, command-line, archive-type, drive/version and common-dialog helpers, and the platform seams.
target_sources(tolvenar_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/modPathFs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ArcType.cpp
  ${CMAKE_CURRENT_LIST_DIR}/modCommandLine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CmdQuote.cpp
  ${CMAKE_CURRENT_LIST_DIR}/modShell.cpp
  ${CMAKE_CURRENT_LIST_DIR}/modShellLink.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainWindowLink.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Seams.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clsDrive.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clsFileInfo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clsFileVersion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommonDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommonDlgErrors.cpp
)
