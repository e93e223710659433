target_sources(rt410_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/scan_codec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fm_codec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_codec.cpp)
target_sources(rt410_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/register_hidden_forms.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_edit_scan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_edit_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_edit_message.cpp)
