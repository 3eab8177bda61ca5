corvalle_test(board_display_tests
  ${CMAKE_CURRENT_LIST_DIR}/appearance_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/backgrounds_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drag_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/flight_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/layout_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_strip_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/status_bar_test.cpp)
target_link_libraries(board_display_tests PRIVATE corvalle_board_display)

corvalle_test(board_view_tests
  ${CMAKE_CURRENT_LIST_DIR}/view_fixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/board_view_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mouse_play_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_play_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/board_status_bar_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art_pictures_test.cpp)
target_link_libraries(board_view_tests PRIVATE corvalle_board_view corvalle_opponent)
target_compile_definitions(board_view_tests PRIVATE QT_NO_KEYWORDS)
