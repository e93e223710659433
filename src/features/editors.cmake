target_sources(rt410_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/option_codec.cpp)
target_sources(rt410_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/register_forms.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editor_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frm_option.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frm_dtmf.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_edit_key.cpp)
