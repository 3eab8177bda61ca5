#pragma once

namespace cv {

// Every card picture and pile picture is one card in size.
inline constexpr int CardW = 71;
inline constexpr int CardH = 96;
inline constexpr int CardWTw = 1065;
inline constexpr int CardHTw = 1440;

}  // namespace cv
