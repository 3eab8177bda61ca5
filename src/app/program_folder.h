#pragma once
#include <optional>
#include <string>

namespace cv {

// Where the game keeps its files: --home DIR, else CORVALLE_HOME, else the program's own
// folder when it holds Data/players.sav, else the per-user data folder.
struct AppPathInputs {
  std::optional<std::string> homeArg;
  std::optional<std::string> homeEnv;
  std::string exeDir;
  std::optional<std::string> xdgDataHome;
  std::string userHome;
};
std::string ChooseAppPath(const AppPathInputs& in);

// Copies every file of the template that the program folder lacks; files already there
// (the player's scores, saved games) are never overwritten. "" on success, otherwise
// what went wrong.
std::string InstallMissingFromTemplate(const std::string& templateDir, const std::string& appPath);

}  // namespace cv
