#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game_state.h"

namespace cv {

constexpr int kGameRecSize = 1852;
constexpr int kGameRecLabelSize = 30;
using GameRecBytes = std::array<uint8_t, kGameRecSize>;

// A snapshot of a whole position: turn backups, saved games, the restart position,
// per-move undo and the tutorial positions all store it.
struct GameRec {
  GameState position;        // Turn, counts, cards and ReserveDown; flags are not kept
  std::string label;         // up to 30 single-byte characters; "^^" first = network save
  double elapsed = 0.0;      // elapsed playing time as a date-serial time of day
};

GameRecBytes EncodeGameRec(const GameRec& rec);
GameRec DecodeGameRec(const GameRecBytes& bytes);

// Copies the position into a record; the elapsed-time text is the game clock's
// display ("00:05:07"), stored as 00:00:00 when it is not a valid time of day.
void SaveGameRec(GameRec& rec, const GameState& state, std::string_view elapsedText);

// What a loaded record gives back besides the position.
struct LoadedGameRec {
  double elapsed;   // to continue the game clock from
  std::string msg;  // the label without a leading "^^"
};
// Copies the record into the live state (Turn, counts, cards, ReserveDown; a stored
// ReserveDown of 0 means ReserveCnt - 1). StockUp and TurnCount are not part of it.
LoadedGameRec LoadGameRec(const GameRec& rec, GameState& state);

// "hh:mm:ss" as a time of day in date-serial form; nullopt when it is not one.
std::optional<double> ParseTimeOfDay(std::string_view text);
// Whole seconds of a date-serial time of day.
int TimeOfDaySeconds(double serial);

}  // namespace cv
