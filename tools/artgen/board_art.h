#pragma once
#include <QImage>
#include <QString>

namespace artgen {

// Empty-pile placeholders: "Metal" grey dotted, "Wood" tan textured; 71 x 96 or 59 x 80.
QImage DrawEmptyPile(bool wood, bool small);
// The game's name as a logo: 165 x 89 (small) or 307 x 131 (large).
QImage DrawLogo(bool large);
// The menu strip: wood 680 x 72, metal 684 x 93, with the four menu titles.
QImage DrawPanel(bool metal);
// A caption plate over a player's pile, 16 high and 43..87 wide.
QImage DrawPileCaption(const QString& text);
// A caption plate under a structure column, 72 x 21.
QImage DrawColumnCaption(const QString& text);
// Turn marker: the local player's (pointing down to his piles) or the opponent's.
QImage DrawTurnMarker(bool local);
// Tutorial pointers: one pointing right at the deal button, one pointing up.
QImage DrawTipPointer(bool up);
QImage DrawMenuTab();
QImage DrawSlap();
// Mouse pointers over the chat avatar: an open hand, and the hand that slapped.
QImage DrawHandPointer(bool slapping);

}  // namespace artgen
