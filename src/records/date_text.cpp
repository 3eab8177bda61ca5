#include "date_text.h"

#include <QLocale>
#include <cmath>

namespace cv {

QDateTime DateTimeOfSerial(double serial) {
  if (!std::isfinite(serial)) serial = 0;
  const double day = std::floor(serial);
  // Rounded to the second: 0.25 must read 06:00:00, not 05:59:59.
  const auto seconds = static_cast<int>(std::lround((serial - day) * 86400.0));
  const QDateTime midnight(QDate(1899, 12, 30).addDays(static_cast<qint64>(day)), QTime(0, 0));
  return midnight.addSecs(seconds);
}

QString ShortDateText(double serial) { return QLocale().toString(DateTimeOfSerial(serial).date(), QLocale::ShortFormat); }

QString ShortTimeText(double serial) { return QLocale().toString(DateTimeOfSerial(serial).time(), QLocale::ShortFormat); }

QString DurationText(double serial) { return DateTimeOfSerial(serial).time().toString("hh:mm:ss"); }

}  // namespace cv
