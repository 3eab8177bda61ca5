#include "fresh_players.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace cv {

PlayerRec DefaultComputerRec() {
  PlayerRec r;
  r.name = "Corvalle";
  StoredPreferences& p = r.prefs;
  p.FontSize = 14;
  p.BackgroundName = "MarbleGrey.gif";
  p.Structure = 1001;
  p.SpeedIndex = 3;
  p.AnimSteps = 45;
  p.IntroOff = 0;
  p.Sound = 0;
  p.FaceStyle = 1;
  p.BackStyle = 0;
  p.FontColor = 0;
  p.BoardColor = 11770189;
  p.EmptyStyle = 0;
  return r;
}

std::string WriteFreshPlayersFile(const std::string& path) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return "cannot create " + path + ": " + std::strerror(errno);
  const std::vector<uint8_t> empty(kPlayerRecSize, 0);
  for (int r = kFirstPlayer; r <= kProgramRecord; ++r)
    out.write(reinterpret_cast<const char*>(empty.data()), static_cast<std::streamsize>(empty.size()));
  const std::vector<uint8_t> computer = EncodePlayerRec(DefaultComputerRec());
  out.write(reinterpret_cast<const char*>(computer.data()), static_cast<std::streamsize>(computer.size()));
  out.close();
  if (!out) return "cannot write " + path + ": " + std::strerror(errno);
  return "";
}

}  // namespace cv
