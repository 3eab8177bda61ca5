#pragma once
// The game's own pictures, compiled into the program as resources; each name is a path
// that QImage and QPixmap load directly.
namespace cv::art {

inline constexpr const char* FacesStandard = ":/art/faces_standard.png";  // 927 x 394 sheet
inline constexpr const char* BuiltinBack = ":/art/back_builtin.png";      // 71 x 96, clear outer ring
inline constexpr const char* EmptyMetal = ":/art/empty_metal.png";        // grey dotted, 71 x 96
inline constexpr const char* EmptyMetalSmall = ":/art/empty_metal_small.png";  // 59 x 80
inline constexpr const char* EmptyWood = ":/art/empty_wood.png";          // tan textured, 71 x 96
inline constexpr const char* EmptyWoodSmall = ":/art/empty_wood_small.png";    // 59 x 80
inline constexpr const char* LogoSmall = ":/art/logo_small.png";          // 165 x 89
inline constexpr const char* LogoLarge = ":/art/logo_large.png";          // 307 x 131
inline constexpr const char* PanelWood = ":/art/panel_wood.png";          // 680 x 72, panel picture 0
inline constexpr const char* PanelMetal = ":/art/panel_metal.png";        // 684 x 93, panel picture 1
// Captions over the six player piles (16 high), and under the structure columns (72 x 21).
inline constexpr const char* CaptionPStock = ":/art/caption_pstock.png";
inline constexpr const char* CaptionPReserve = ":/art/caption_preserve.png";
inline constexpr const char* CaptionPWaste = ":/art/caption_pwaste.png";
inline constexpr const char* CaptionOStock = ":/art/caption_ostock.png";
inline constexpr const char* CaptionOReserve = ":/art/caption_oreserve.png";
inline constexpr const char* CaptionOWaste = ":/art/caption_owaste.png";
inline constexpr const char* CaptionTableauLeft = ":/art/caption_tableau_left.png";
inline constexpr const char* CaptionTableauRight = ":/art/caption_tableau_right.png";
inline constexpr const char* CaptionCenters = ":/art/caption_centers.png";
// Turn markers (36 x 36): ImgTurn1 points down to the local piles, ImgTurn2 up.
inline constexpr const char* TurnPlayer = ":/art/turn_player.png";
inline constexpr const char* TurnOpponent = ":/art/turn_opponent.png";
// Tutorial pointers: imgTip points right (48 x 36), imgTipUp points up (36 x 48).
inline constexpr const char* Tip = ":/art/tip.png";
inline constexpr const char* TipUp = ":/art/tip_up.png";
inline constexpr const char* MenuTab = ":/art/menu_tab.png";              // imgMenu, 80 x 18
inline constexpr const char* Slap = ":/art/slap.png";                     // imgSlap, 110 x 90
// Mouse pointers over the chat avatar (imgMouse(0)) and the slap picture (imgMouse(1)), 32 x 32.
inline constexpr const char* MouseAvatar = ":/art/mouse_avatar.png";
inline constexpr const char* MouseSlap = ":/art/mouse_slap.png";

}  // namespace cv::art
