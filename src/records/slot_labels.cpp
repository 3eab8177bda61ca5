#include "slot_labels.h"

#include "engine/game_rec.h"
#include "engine/text.h"

namespace cv {

bool IsNetworkSave(std::string_view label) { return label.starts_with("^^"); }

std::string ShownLabel(std::string_view label) {
  std::string_view t = Trim(label.substr(0, label.find('\0')));
  if (IsNetworkSave(t)) t.remove_prefix(2);
  return std::string(t);
}

std::string SaveModeSlotText(std::string_view label, int slot) {
  if (label.empty() || label.front() == '\0') return "game " + LeadingSpaceNumber(slot);
  return ShownLabel(label);
}

std::string ProposedDescription(bool matchOn, std::string_view date, std::string_view time,
                                std::string_view opponent, bool network) {
  std::string d = matchOn ? "Match " : "";
  if (network) d += "NET ";
  d += std::string(date) + "_" + std::string(time);
  if (network) d += " " + std::string(opponent);
  return d;
}

std::string SampleGameDescription(int sampleNumber) { return "Sample Game Number " + std::to_string(sampleNumber); }

std::string FinalSaveLabel(std::string_view typed, int slot, bool matchOn, bool networkSave) {
  std::string label(Trim(typed));
  if (label.empty()) label = std::string(matchOn ? "Match " : "") + "saved game" + LeadingSpaceNumber(slot);
  if (matchOn && label.find("Match") == std::string::npos) label = "Match " + label;
  if (networkSave) label = "^^" + label;
  return label.substr(0, kGameRecLabelSize);
}

int TrailingNumber(std::string_view label) {
  const std::string_view t = Trim(label);
  size_t start = t.size();
  while (start > 0 && t[start - 1] >= '0' && t[start - 1] <= '9' && t.size() - start < 4) --start;
  int n = 0;
  for (size_t i = start; i < t.size(); ++i) n = n * 10 + (t[i] - '0');
  return n;
}

}  // namespace cv
