target_sources(CoreTest PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DrawProgressTest.cpp
)
