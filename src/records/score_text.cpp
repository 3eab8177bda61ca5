#include "score_text.h"

#include "engine/text.h"

namespace cv {

int GameScore(const GameState& s, int loser) {
  return 30 + s.StockCnt[loser] + s.WasteCnt[loser] + 2 * s.ReserveCnt[loser];
}

std::string WinnerText(bool localWon, bool network, std::string_view opponentName) {
  if (localWon) return "You WON!";
  const std::string who = network ? std::string(opponentName) + " is" : "I'm";
  return who + " the WINNER!";
}

std::string ScoreText(bool localWon, int loserStockWaste, int loserReserve, int gameScore) {
  const std::string br(kCrLf);
  const std::string whose = localWon ? "your opponent's" : "your";
  return std::string(localWon ? "Your" : "Your opponent's") + " score is:" + br + "30 points for the win" + br +
         LeadingSpaceNumber(loserStockWaste) + " pts for  " + whose + " Stock/Waste" + br +
         LeadingSpaceNumber(2 * loserReserve) + " pts for  " + whose + " Reserve" + br + br +
         "Total Score: " + LeadingSpaceNumber(gameScore);
}

}  // namespace cv
