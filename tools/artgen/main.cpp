// Draws every picture the game ships: corvalle_artgen MODE TARGET
//   cvdata FILE    the card-art library's artwork blob
//   program DIR    the pictures compiled into the game program (PNG)
//   folder DIR     the pictures of the program folder (structures, backgrounds, user/)
//   contact FILE   one PNG showing all of it, to look the art over
//   boardNNNN FILE only the board dressed in structure NNNN
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "contact.h"
#include "folder.h"
#include "outputs.h"

namespace {

bool WriteAll(const QString& dir, const std::vector<artgen::NamedImage>& images) {
  for (const auto& [name, image] : images) {
    const QString path = dir + "/" + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!artgen::SaveImage(image, path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: corvalle_artgen cvdata|program|folder|contact TARGET\n");
    return 2;
  }
  const QString mode = argv[1], target = argv[2];
  bool ok = false;
  if (mode == "cvdata")
    ok = artgen::WriteLibraryBlob(target, artgen::LibraryPictures());
  else if (mode == "program")
    ok = WriteAll(target, artgen::ProgramPictures());
  else if (mode == "folder")
    ok = WriteAll(target, artgen::FolderPictures());
  else if (mode == "contact")
    ok = artgen::DrawContactSheet().save(target);
  else if (mode.startsWith("board"))  // board1001 .. board1004
    ok = artgen::DrawBoardPreview(mode.mid(5).toInt()).save(target);
  else
    std::fprintf(stderr, "unknown mode %s\n", argv[1]);
  if (!ok) std::fprintf(stderr, "corvalle_artgen %s %s failed\n", argv[1], argv[2]);
  return ok ? 0 : 1;
}
