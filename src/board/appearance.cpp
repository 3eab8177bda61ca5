#include "board/appearance.h"

#include <algorithm>

namespace cv {
namespace {

bool IsStructure(int n) { return n >= kFirstStructure && n <= kLastStructure; }

char SlotLetter(StructureSlot slot) {
  switch (slot) {
    case StructureSlot::Stairs: return 's';
    case StructureSlot::Top: return 't';
    default: return 'c';
  }
}

// A size chosen in a damaged player record must still give a drawable font.
int Points(int size) { return std::max(1, size); }

}  // namespace

int NextStructure(int current, int value) {
  if (!IsStructure(current)) current = kFirstStructure;
  if (value == kKeyDown || value == kMenuStep) return current == kLastStructure ? kFirstStructure : current + 1;
  if (value == kKeyUp) return current == kFirstStructure ? kLastStructure : current - 1;
  return IsStructure(value) ? value : kFirstStructure;
}

std::string StructureFile(int structure, StructureSlot slot) {
  return std::to_string(structure) + SlotLetter(slot) + ".dat";
}

int SetStructure(int current, int value, const StructureLoader& load) {
  int structure = NextStructure(current, value);
  for (int i = 0; i < kStructureSlots; ++i) {
    const auto slot = static_cast<StructureSlot>(i);
    if (load(slot, StructureFile(structure, slot))) continue;
    // The failed picture keeps its old content; the rest comes from the first structure.
    structure = kFirstStructure;
  }
  return structure;
}

uint32_t TabCntColor(int structure) { return structure == kFirstStructure ? 0x000000u : 0xFFFFFFu; }

PileImages PileImagesFor(const Preferences& prefs, bool wide) {
  return {prefs.EmptyStyle ? EmptyPicture::TanTextured : EmptyPicture::GreyDotted, wide, prefs.SoundTheme == 1 ? 1 : 0};
}

QSize LogoSize(bool wide) { return wide ? QSize(307, 131) : QSize(165, 89); }

QSize PanelSize(int panel) { return panel == 1 ? QSize(684, 93) : QSize(680, 72); }

LabelStyle CountLabelStyle(const Preferences& prefs) { return {Points(prefs.FontSize - 3), prefs.FontColor}; }

LabelStyle MessageLabelStyle(const Preferences& prefs) { return {Points(prefs.FontSize), prefs.FontColor}; }

LabelStyle TableauCountStyle(int structure) { return {14, TabCntColor(structure)}; }

QColor ColourOf(uint32_t value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

}  // namespace cv
