#pragma once

namespace cv {

// The game's key codes (the desktop's virtual keys) for a Qt key; 0 for keys the
// game has no use for.
int GameKeyCode(int qtKey);
// The shift bits (1 Shift, 2 Ctrl, 4 Alt) of Qt keyboard modifiers.
int GameShiftState(int qtModifiers);

// The inspection switch: the command line (arguments joined by blanks) begins with
// "/KUMVO" in any letter case.
bool HasInspectSwitch(const char* const* args, int count);

}  // namespace cv
