#pragma once
#include <string>

#include "player_rec.h"

namespace cv {

// The computer's record of a new installation: its preferences are the defaults of
// every new player (built-in faces and back, structure 1001, "MarbleGrey.gif", speed
// "quick", sounds on with the wood theme, intro on, metal empty piles).
PlayerRec DefaultComputerRec();

// Writes a fresh player file: ten empty player records, an empty program record and
// the computer's record. "" on success, otherwise what went wrong.
std::string WriteFreshPlayersFile(const std::string& path);

}  // namespace cv
