// Writes the player file of a new installation to the path given.
#include <cstdio>

#include "fresh_players.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: corvalle_mkplayers PATH/players.sav\n");
    return 2;
  }
  const std::string error = cv::WriteFreshPlayersFile(argv[1]);
  if (!error.empty()) {
    std::fprintf(stderr, "corvalle_mkplayers: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
