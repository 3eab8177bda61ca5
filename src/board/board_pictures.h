#pragma once
// Every picture the board draws, handed over by the program. The view reads no
// picture files of its own except the structures and the backgrounds.
#include <QImage>
#include <array>
#include <functional>
#include <map>
#include <string>

#include "options/preferences.h"

namespace cv {

struct BoardPictures {
  QImage faceSheet;             // 927 x 394: values across, suits down
  QImage back;                  // the current back, 71 x 96
  std::array<QImage, 2> empty;  // by EmptyPicture: grey dotted, tan textured; 71 x 96
  std::array<QImage, 2> logo;   // small, large
  std::array<QImage, 2> panel;  // the menu strip: wood, metal
  std::array<QImage, 2> turn;   // ImgTurn1 (the local player's), ImgTurn2
  QImage menuTab;               // imgMenu
  // Caption pictures by element name, imgPStock .. imglblCenters.
  std::map<std::string, QImage, std::less<>> captions;
};

// Puts the faces and the back of a player's styles into the pictures: the card-art
// client's work, which the program supplies.
using CardStyleLoader = std::function<void(const Preferences&, BoardPictures&)>;

}  // namespace cv
