# The board's layout and display computations: no widgets, only values.
add_library(corvalle_board_display STATIC
  ${CMAKE_CURRENT_LIST_DIR}/appearance.cpp
  ${CMAKE_CURRENT_LIST_DIR}/backgrounds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drag.cpp
  ${CMAKE_CURRENT_LIST_DIR}/flight.cpp
  ${CMAKE_CURRENT_LIST_DIR}/layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/status_bar.cpp)
target_include_directories(corvalle_board_display PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(corvalle_board_display PUBLIC corvalle_engine Qt6::Core Qt6::Gui)
