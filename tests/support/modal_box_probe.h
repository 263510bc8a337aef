// Answers the modal message boxes that a test's clicks open, and records what each box showed.
// Usage:
//   ModalBoxProbe probe;
//   QTest::mouseClick(button, Qt::LeftButton);   // the box's own event loop runs the probe
//   QCOMPARE(probe.seen().size(), 1);
#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

namespace kvo::test {

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
  int buttonCount;  // all buttons, including any that are not standard ones
};

class ModalBoxProbe : public QObject {
 public:
  // `whileShown` runs while each box is open, before it is answered, e.g. to check that the
  // window has not changed yet.
  explicit ModalBoxProbe(std::function<void()> whileShown = {});

  const QList<SeenBox>& seen() const { return seen_; }

 private:
  void answerOpenBox();

  QTimer timer_;
  QList<SeenBox> seen_;
  std::function<void()> whileShown_;
};

}  // namespace kvo::test
