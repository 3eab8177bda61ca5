#pragma once
#include <string>
#include <string_view>

namespace cv {

// The descriptions of saved games as the "Saved Games" dialog shows and stores them.
// A stored label beginning with "^^" marks a game saved during a network game; the
// marker is never shown.

bool IsNetworkSave(std::string_view label);

// A stored label as shown: trimmed, without the network marker.
std::string ShownLabel(std::string_view label);

// Save mode: the stored label as shown, or "game" and the slot number (slot 3 reads
// "game  3") for a slot never written.
std::string SaveModeSlotText(std::string_view label, int slot);

// What the dialog proposes for a new save. `opponent` is the other player's name
// during a network game, empty otherwise.
std::string ProposedDescription(bool matchOn, std::string_view date, std::string_view time,
                                std::string_view opponent, bool network);
std::string SampleGameDescription(int sampleNumber);

// The label stored for the text typed: "saved game" and the slot when it is empty,
// "Match " in front during a match unless the word is there, the network marker for a
// network save; cut to the 30 characters of the label field.
std::string FinalSaveLabel(std::string_view typed, int slot, bool matchOn, bool networkSave);

// The number at the end of a sample game's label ("Sample Game Number 10" -> 10);
// 0 when there is none.
int TrailingNumber(std::string_view label);

}  // namespace cv
