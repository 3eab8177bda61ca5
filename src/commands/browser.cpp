#include "browser.h"

#include <QDesktopServices>

#include "engine/platform.h"

namespace cv {

QUrl ManualUrl(const std::string& appPath, std::string_view anchor) {
  QUrl url = QUrl::fromLocalFile(QString::fromStdString(appPath + "/help/index.html"));
  if (!anchor.empty()) url.setFragment(QString::fromUtf8(anchor.data(), static_cast<qsizetype>(anchor.size())));
  return url;
}

bool LaunchBrowser(Platform& platform, const QUrl& address) {
  if (QDesktopServices::openUrl(address)) return true;
  platform.MessageBox("Unable to launch default browser", "", MessageIcon::None);
  return false;
}

}  // namespace cv
