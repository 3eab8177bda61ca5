#pragma once
#include <QByteArray>
#include <cstdint>
#include <string>
#include <string_view>

namespace cv {

inline constexpr int kFirstSound = 105;
inline constexpr int kLastSound = 124;

// The wave file embedded in the program under resource number `id` of type "SOUND";
// empty for any other number or type.
QByteArray SoundResource(int id, std::string_view type = "SOUND");

// Writes resource (id, type) to `path`, replacing what the file held. 0 on success,
// else the error number (326 no such resource, 75 the file cannot be written).
int16_t SaveResToFile(int16_t id, std::string_view type, const std::string& path);

// Unpacks the effects 105..124 to appPath/Data/~105.tmp .. ~124.tmp; a file that cannot
// be written is skipped without a word. The files are also removed when SIGINT or
// SIGTERM arrives; a handler the program had for them then runs as before, and without
// one the program ends as it would have.
void SetUpSounds(const std::string& appPath);

// Deletes every appPath/Data/*.tmp file, as the program does at exit.
void CleanUpSounds(const std::string& appPath);

}  // namespace cv
