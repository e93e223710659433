target_sources(rt410_gui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/register_forms.cpp)
