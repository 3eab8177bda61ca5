# The game's sounds: the twenty effects compiled in and unpacked at start, the map of
# which event plays which file, and the player.
set(SOUND_DIR ${CMAKE_CURRENT_BINARY_DIR}/sounds)
set(SOUND_PATHS)
foreach(n RANGE 105 124)
  list(APPEND SOUND_PATHS ${SOUND_DIR}/${n}.wav)
endforeach()
add_custom_command(
  OUTPUT ${SOUND_PATHS}
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:corvalle_soundgen> effects ${SOUND_DIR}
  DEPENDS corvalle_soundgen
  COMMENT "Synthesising the game's sound effects"
  VERBATIM)

add_library(corvalle_sound STATIC
  ${CMAKE_CURRENT_LIST_DIR}/sound_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sound_events.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sound_player.cpp)
qt_add_resources(corvalle_sound "sounds" PREFIX "/sounds" BASE ${SOUND_DIR} FILES ${SOUND_PATHS})
target_include_directories(corvalle_sound PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(corvalle_sound PUBLIC Qt6::Core Qt6::Multimedia)
