corvalle_test(board_sound_tests
  ${CMAKE_CURRENT_LIST_DIR}/sound_files_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sound_events_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sound_player_test.cpp)
target_link_libraries(board_sound_tests PRIVATE corvalle_sound)
