# Registry access, settings file access and the settings store.
target_sources(tolvenar_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/clsReg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/modIni.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingsTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingsLoad.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingsPlaces.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingsHistory.cpp
)
