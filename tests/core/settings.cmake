target_sources(CoreTest PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/clsRegTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingsFixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/modIniTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingsRulesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingsHistoryTest.cpp
)
