#pragma once
#include <string>

#include "game_state.h"
#include "rng.h"

namespace cv {

// Both decks in Reserve(owner, 1..52): ten passes of 52 swaps for owner 0, then the
// same for owner 1 from the same sequence.
void ShuffleDecks(GameState& s, Rng& rng);

// The sample game after the stored number (0..10; anything else starts at 1).
int NextSampleNumber(int stored);
// The seed a sample game is shuffled with.
int SampleSeed(int sampleNumber);
// Resets and seeds the generator for a sample game, then shuffles.
void ShuffleSample(GameState& s, Rng& rng, int sampleNumber);

// Splits the shuffled decks into Reserve, four Tableau piles and Stock. On the remote
// side of a network game the host's deck (owner 1 there) goes to Tableau piles 1-4.
void DealDecks(GameState& s, bool remoteSide);
int TableauBase(int owner, bool remoteSide);

// The coin toss: 1 (local player first) or 2; a draw of 0.5 or more gives 2.
int16_t TossTurn(double r);

// The game clock's text: whole minutes as "00:00" (never carried into hours), then
// ":" and the seconds, e.g. 307 s -> "00:05:07", 4503 s -> "00:75:03".
std::string GameClockText(long seconds);

}  // namespace cv
