// Synthesises every sound the game ships: corvalle_soundgen MODE DIR
//   effects DIR   105.wav .. 124.wav, the effects compiled into the program
//   folder DIR    Data/intro.wav, Data/win.wav and user/Sounds/*.wav of the program folder
#include <cstdio>
#include <filesystem>
#include <string>

#include "effects.h"

namespace {

bool Write(const std::filesystem::path& file, const soundgen::Samples& s) {
  std::error_code ec;
  std::filesystem::create_directories(file.parent_path(), ec);
  if (soundgen::WriteFile(file.string(), soundgen::WaveFile(s))) return true;
  std::fprintf(stderr, "cannot write %s\n", file.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: corvalle_soundgen effects|folder DIR\n");
    return 2;
  }
  const std::string mode = argv[1];
  const std::filesystem::path dir = argv[2];
  bool ok = true;
  if (mode == "effects") {
    for (int n = 105; n <= 124; ++n) ok = Write(dir / (std::to_string(n) + ".wav"), soundgen::Effect(n)) && ok;
  } else if (mode == "folder") {
    ok = Write(dir / "Data" / "intro.wav", soundgen::Music("intro")) && ok;
    ok = Write(dir / "Data" / "win.wav", soundgen::Music("win")) && ok;
    for (const auto& [name, samples] : soundgen::ChatSounds()) ok = Write(dir / "user" / "Sounds" / name, samples) && ok;
  } else {
    std::fprintf(stderr, "unknown mode %s\n", argv[1]);
    return 2;
  }
  return ok ? 0 : 1;
}
