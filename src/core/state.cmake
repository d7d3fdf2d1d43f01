# The program-wide state of the main module and the operation state.
target_sources(tolvenar_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/modTolvenar.cpp
)
