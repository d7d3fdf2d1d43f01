target_sources(tolvenar_core PRIVATE DrawProgress.cpp)
