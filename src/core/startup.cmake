# The instance's work folder and the folder choosers.
target_sources(tolvenar_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/WorkFolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BrowseFolderEx.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BrowseFolderExInput.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmBrowseFolderEx.cpp
)
