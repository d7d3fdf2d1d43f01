# Reading archives into the entry list.
target_sources(tolvenar_archiver PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BrowserServices.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GetIconKey.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EntryRows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LoadArcContents.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LibraryFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LibraryReaders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextParsers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextReaders.cpp
)
