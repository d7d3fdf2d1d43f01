# The program-wide state of the main module.
target_sources(CoreTest PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/modTolvenarTest.cpp
)
