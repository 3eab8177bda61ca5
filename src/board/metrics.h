#pragma once

namespace cv {

// Every card picture and pile picture is one card in size.
inline constexpr int CardW = 71;
inline constexpr int CardH = 96;

}  // namespace cv
