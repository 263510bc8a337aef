#include "tests/support/widget_driving.h"

#include <QApplication>
#include <QTest>

namespace kvo::test {

void TypeInto(QLineEdit* field, const QString& text) {
  field->setFocus();
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, text);
}

QStringList VisibleWindows() {
  QStringList names;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible()) names << widget->objectName();
  }
  return names;
}

}  // namespace kvo::test
