#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>

#include "commands/about_dialog.h"
#include "commands/browser.h"
#include "support/fakes.h"
#include "support/widgets.h"

namespace cv {
namespace {

using test::Control;

// Stands in for the desktop's browser for one kind of address.
class Opener : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> opened;
 public slots:
  void Open(const QUrl& url) { opened << url; }
};

TEST(AboutBox, ShowsTheVersionOfTheBuild) {
  test::RecordingPlatform platform;
  AboutDialog about(platform, "/games/corvalle");
  test::Shot(about, "frmAbout");
  EXPECT_EQ(about.windowTitle(), "About Corvalle");
  EXPECT_EQ(std::string(ProgramVersion()), PROJECT_VERSION);
  EXPECT_EQ(Control<QLabel>(about, "lblTitle")->text(), "Corvalle\n");
  EXPECT_EQ(Control<QLabel>(about, "lblVersion")->text(), QString("Version ") + PROJECT_VERSION + "\n");
  EXPECT_TRUE(Control<QLabel>(about, "lblDescription")->text().contains(
      "\n Warning: Another Highly addictive game from Linmora.\n"));
}

TEST(AboutBox, TheIconPlaysItsSoundAndARightPressShowsTheCredits) {
  test::RecordingPlatform platform;
  AboutDialog about(platform, "/games/corvalle");
  about.show();
  auto* icon = Control<QLabel>(about, "imgIcon");
  auto* credits = Control<QLabel>(about, "lblCredits");
  EXPECT_FALSE(credits->isVisible());
  test::Mouse(icon, QEvent::MouseButtonPress, Qt::RightButton);
  test::Mouse(icon, QEvent::MouseButtonRelease, Qt::RightButton);
  EXPECT_TRUE(credits->isVisible());
  test::Shot(about, "frmAbout-credits");
  EXPECT_TRUE(platform.sounds.empty());
  test::MouseClick(icon);
  EXPECT_FALSE(credits->isVisible());
  EXPECT_EQ(platform.sounds, std::vector<std::string>{"/games/corvalle/Data/~119.tmp"});
}

TEST(AboutBox, OkEnterAndEscapeClose) {
  test::RecordingPlatform platform;
  for (int way = 0; way < 3; ++way) {
    AboutDialog about(platform, "/games/corvalle");
    about.show();
    if (way == 0) test::Click(about, "cmdOK");
    if (way == 1) test::Key(&about, Qt::Key_Return);
    if (way == 2) test::Key(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible()) << way;
  }
}

TEST(Browser, TheManualLiesInTheProgramFolder) {
  EXPECT_EQ(ManualUrl("/games/corvalle"), QUrl("file:///games/corvalle/help/index.html"));
  EXPECT_EQ(ManualUrl("/games/my corvalle", "Connect"), QUrl("file:///games/my%20corvalle/help/index.html#Connect"));
}

TEST(Browser, AFailedLaunchIsToldOnce) {
  test::RecordingPlatform platform;
  Opener opener;
  QDesktopServices::setUrlHandler("corvalle-test", &opener, "Open");
  EXPECT_TRUE(LaunchBrowser(platform, QUrl("corvalle-test://site/home")));
  EXPECT_EQ(opener.opened, QList<QUrl>{QUrl("corvalle-test://site/home")});
  EXPECT_TRUE(platform.boxes.empty());
  QDesktopServices::unsetUrlHandler("corvalle-test");
  // No program on this desktop takes the address.
  EXPECT_FALSE(LaunchBrowser(platform, QUrl("corvalle-nothing://site/home")));
  EXPECT_EQ(platform.boxes, std::vector<std::string>{"|Unable to launch default browser"});
}

TEST(Manual, HasEverySectionAndShortcut) {
  QFile file(MANUAL_FILE);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
  const QString html = QString::fromUtf8(file.readAll());
  for (const char* id : {"contents", "rules", "keys", "tutorial", "online", "Connect"})
    EXPECT_TRUE(html.contains(QString("id=\"%1\"").arg(id))) << id;
  for (const char* key : {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F11", "F12", "Backspace", "Delete"})
    EXPECT_TRUE(html.contains(QString("<kbd>%1</kbd>").arg(key))) << key;
  for (const char* ctrl : {"S", "R", "P", "F2", "F12", "Backspace", "Tab", "&uarr;"})
    EXPECT_TRUE(html.contains(QString("<kbd>Ctrl</kbd>+<kbd>%1</kbd>").arg(ctrl))) << ctrl;
  // Every link inside the manual leads to a section of it.
  const QRegularExpression link("href=\"#([^\"]+)\"");
  for (auto it = link.globalMatch(html); it.hasNext();) {
    const QString target = it.next().captured(1);
    EXPECT_TRUE(html.contains("id=\"" + target + "\"")) << target.toStdString();
  }
}

}  // namespace
}  // namespace cv

#include "about_browser_test.moc"
