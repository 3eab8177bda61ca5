#pragma once
// The board's look as values: which structure pictures, empty-pile, logo and panel
// pictures are shown, and the fonts and colours of its labels.
#include <QColor>
#include <QSize>
#include <cstdint>
#include <functional>
#include <string>

#include "board/step_keys.h"
#include "options/preferences.h"

namespace cv {

inline constexpr int kFirstStructure = 1001;
inline constexpr int kLastStructure = 1004;

// The structure after a step (Down or the menu value forward, Up back, both wrapping)
// or the structure asked for by number. A value that is neither reads as 1001.
int NextStructure(int current, int value);

// The six structure pictures in their loading order.
enum class StructureSlot { Column0, Column1, Column2, Column3, Stairs, Top };
inline constexpr int kStructureSlots = 6;

// The file under Data/ that holds a structure's picture for a slot ("1002c.dat").
std::string StructureFile(int structure, StructureSlot slot);

// Loads a picture into a slot; false when the file is missing or cannot be decoded.
using StructureLoader = std::function<bool(StructureSlot slot, const std::string& file)>;

// Steps or sets the structure and loads its pictures. A picture that fails keeps what it
// showed and the structure falls back to 1001 for the rest. Returns the structure in use.
int SetStructure(int current, int value, const StructureLoader& load);

// Text colour of the Tableau counts: black on the first structure, white on the others.
uint32_t TabCntColor(int structure);

// The empty-pile picture pair in use; piles show its card-sized picture.
enum class EmptyPicture { GreyDotted, TanTextured };

struct PileImages {
  EmptyPicture empty = EmptyPicture::GreyDotted;
  bool largeLogo = false;
  int panel = 0;  // 0 wood, 1 metal
};
PileImages PileImagesFor(const Preferences& prefs, bool wide);
QSize LogoSize(bool wide);
QSize PanelSize(int panel);

// Font size in points and colour (red in the low byte) of a board label.
struct LabelStyle {
  int pointSize = 0;
  uint32_t colour = 0;
  friend bool operator==(const LabelStyle&, const LabelStyle&) = default;
};
// The six pile counts: three points smaller than the chosen size.
LabelStyle CountLabelStyle(const Preferences& prefs);
// lblTurn and lblMessage.
LabelStyle MessageLabelStyle(const Preferences& prefs);
LabelStyle TableauCountStyle(int structure);

// A stored colour value (red in the low byte, then green, then blue).
QColor ColourOf(uint32_t value);

}  // namespace cv
