#include "program_folder.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace cv {

std::string ChooseAppPath(const AppPathInputs& in) {
  if (in.homeArg && !in.homeArg->empty()) return *in.homeArg;
  if (in.homeEnv && !in.homeEnv->empty()) return *in.homeEnv;
  std::error_code ec;
  if (!in.exeDir.empty() && fs::is_regular_file(fs::path(in.exeDir) / "Data" / "players.sav", ec)) return in.exeDir;
  const fs::path dataHome = in.xdgDataHome && !in.xdgDataHome->empty() ? fs::path(*in.xdgDataHome)
                                                                       : fs::path(in.userHome) / ".local" / "share";
  return (dataHome / "corvalle").string();
}

std::string InstallMissingFromTemplate(const std::string& templateDir, const std::string& appPath) {
  std::error_code ec;
  const fs::path from(templateDir), to(appPath);
  if (!fs::is_directory(from, ec)) return "the program files are missing: " + templateDir;
  fs::create_directories(to, ec);
  if (ec) return "cannot create " + appPath + ": " + ec.message();
  for (auto it = fs::recursive_directory_iterator(from, ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec)) {
    const fs::path target = to / fs::relative(it->path(), from, ec);
    if (ec) break;
    if (it->is_directory(ec)) {
      fs::create_directories(target, ec);
    } else if (!fs::exists(target, ec)) {
      fs::copy_file(it->path(), target, ec);
    }
    if (ec) return "cannot copy " + it->path().string() + " to " + target.string() + ": " + ec.message();
  }
  if (ec) return "cannot read " + templateDir + ": " + ec.message();
  return "";
}

}  // namespace cv
