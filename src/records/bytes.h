#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace cv {

// Little-endian fields of the record files, read and written at their offsets.
int16_t Get16(std::span<const uint8_t> b, size_t at);
void Put16(std::span<uint8_t> b, size_t at, int16_t v);
uint32_t Get32(std::span<const uint8_t> b, size_t at);
void Put32(std::span<uint8_t> b, size_t at, uint32_t v);
// An 8-byte date serial; anything that is not a finite number reads as 0.
double GetDate(std::span<const uint8_t> b, size_t at);
void PutDate(std::span<uint8_t> b, size_t at, double v);
// A single-byte text field with blanks (or, never written, zero bytes) trimmed off.
std::string GetText(std::span<const uint8_t> b, size_t at, size_t size);
// Cut or blank-padded to the field's size.
void PutText(std::span<uint8_t> b, size_t at, size_t size, std::string_view text);

}  // namespace cv
