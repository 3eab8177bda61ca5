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

# The board on screen: the view with its items, the mouse play, the status bar and
# the card viewer.
add_library(corvalle_board_view STATIC
  ${CMAKE_CURRENT_LIST_DIR}/art_pictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/board_clock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/board_items.cpp
  ${CMAKE_CURRENT_LIST_DIR}/board_scene.cpp
  ${CMAKE_CURRENT_LIST_DIR}/board_status_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/board_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/card_viewer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/disk_backgrounds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mouse_play.cpp)
set_target_properties(corvalle_board_view PROPERTIES AUTOMOC ON)
target_compile_definitions(corvalle_board_view PRIVATE QT_NO_KEYWORDS)
target_link_libraries(corvalle_board_view PUBLIC corvalle_board_display corvalle_cardart Qt6::Widgets)
