#pragma once
// Finding and driving the controls of a dialog in widget tests.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <string>

namespace cv::test {

// The control of that object name (and, for a control array, that index).
template <typename W = QWidget>
W* Control(const QWidget& parent, const QString& name, int index = -1) {
  for (W* w : parent.findChildren<W*>(name))
    if (index < 0 || w->property("index").toInt() == index) return w;
  ADD_FAILURE() << "no control " << name.toStdString() << " " << index;
  return nullptr;
}

inline void Click(const QWidget& parent, const QString& name, int index = -1) {
  if (auto* b = Control<QAbstractButton>(parent, name, index)) b->click();
}

inline void Key(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(target, &release);
}

inline void Mouse(QWidget* target, QEvent::Type type, Qt::MouseButton button, QPoint at = {5, 5}) {
  const QPointF global = target->mapToGlobal(QPointF(at));
  QMouseEvent event(type, QPointF(at), global, button, type == QEvent::MouseButtonRelease ? Qt::NoButton : button,
                    Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

// A press and release of the left button.
inline void MouseClick(QWidget* target, Qt::MouseButton button = Qt::LeftButton) {
  Mouse(target, QEvent::MouseButtonPress, button);
  Mouse(target, QEvent::MouseButtonRelease, button);
}

// With CORVALLE_SHOTS set to a folder, the widget is saved there as a PNG to be
// looked at; otherwise nothing happens.
inline void Shot(QWidget& w, const QString& name) {
  const QByteArray dir = qgetenv("CORVALLE_SHOTS");
  if (dir.isEmpty()) return;
  w.show();
  QApplication::processEvents();
  QDir().mkpath(QString::fromLocal8Bit(dir));
  w.grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
}

}  // namespace cv::test
