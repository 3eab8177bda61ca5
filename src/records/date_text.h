#pragma once
#include <QDateTime>
#include <QString>

namespace cv {

// A date serial (days since 1899-12-30, the time of day as the fraction) as a
// local date and time.
QDateTime DateTimeOfSerial(double serial);

// The date and the time of day in the user's short formats.
QString ShortDateText(double serial);
QString ShortTimeText(double serial);
// A time of day that holds a length of time (a game's playing time): "00:12:34".
QString DurationText(double serial);

}  // namespace cv
