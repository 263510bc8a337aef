// Small helpers for driving the windows' real widgets in tests.
#pragma once

#include <QLineEdit>
#include <QLocale>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace kvo::test {

// A rectangle given in twips, at 15 twips to a logical pixel: the tests' own reading of the
// layout tables.
inline QRect Twips(int left, int top, int width, int height) {
  return QRect(left / 15, top / 15, width / 15, height / 15);
}

inline QLocale Czech() {
  return QLocale(QLocale::Czech, QLocale::CzechRepublic);
}
inline QLocale English() {
  return QLocale(QLocale::English, QLocale::UnitedStates);
}

// The child of `window` with this object name; a missing control ends the test run.
template <typename T = QLineEdit>
T* Control(const QWidget* window, const QString& name) {
  T* widget = window->findChild<T*>(name);
  if (widget == nullptr) qFatal("no control %s", qPrintable(name));
  return widget;
}

// Replaces the field's text as a user would: select all, delete, type (ASCII only).
void TypeInto(QLineEdit* field, const QString& text);

// The object names of the top-level windows that are still visible.
QStringList VisibleWindows();

}  // namespace kvo::test
