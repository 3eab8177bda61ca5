#include "qt_platform.h"

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QSettings>

namespace cv {
namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QMessageBox::Icon ToQt(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

// The game's texts break lines with CR LF; Qt wants LF.
QString MessageText(std::string_view text) { return Q(text).replace("\r\n", "\n"); }
QString Title(std::string_view title) { return title.empty() ? QStringLiteral("Corvalle") : Q(title); }

}  // namespace

void QtPlatform::ProcessEvents() { QCoreApplication::processEvents(); }

void QtPlatform::MessageBox(std::string_view text, std::string_view title, MessageIcon icon) {
  QMessageBox box(ToQt(icon), Title(title), MessageText(text), QMessageBox::Ok, parent);
  box.exec();
}

bool QtPlatform::AskYesNo(std::string_view text, std::string_view title, MessageIcon icon) {
  QMessageBox box(ToQt(icon), Title(title), MessageText(text), QMessageBox::Yes | QMessageBox::No, parent);
  return box.exec() == QMessageBox::Yes;
}

void QtPlatform::Beep() { QApplication::beep(); }

double QtPlatform::Now() {
  const QDateTime now = QDateTime::currentDateTime();
  const qint64 days = now.date().toJulianDay() - QDate(1899, 12, 30).toJulianDay();
  return static_cast<double>(days) + now.time().msecsSinceStartOfDay() / 86400000.0;
}

uint64_t QtPlatform::ClockSeed() {
  return static_cast<uint64_t>(QDateTime::currentMSecsSinceEpoch()) * 1000003u ^
         static_cast<uint64_t>(QDateTime::currentDateTime().time().msec());
}

std::string QtPlatform::GetSetting(std::string_view app, std::string_view section, std::string_view key,
                                   std::string_view fallback) {
  QSettings store(QStringLiteral("Corvalle"), Q(app));
  return store.value(Q(section) + "/" + Q(key), Q(fallback)).toString().toStdString();
}

void QtPlatform::SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                             std::string_view value) {
  QSettings store(QStringLiteral("Corvalle"), Q(app));
  store.setValue(Q(section) + "/" + Q(key), Q(value));
}

}  // namespace cv
