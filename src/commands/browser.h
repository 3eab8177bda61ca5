#pragma once
#include <QUrl>
#include <string>
#include <string_view>

namespace cv {

class Platform;

// The user's manual in the program folder, at one of its sections ("Connect") or, with
// no anchor, at its contents.
QUrl ManualUrl(const std::string& appPath, std::string_view anchor = {});

// Opens a web page or a file with the desktop's default program for it. A failure is
// told once ("Unable to launch default browser"); false then.
bool LaunchBrowser(Platform& platform, const QUrl& address);

}  // namespace cv
