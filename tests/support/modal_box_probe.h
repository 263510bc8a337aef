// Answers the modal message boxes that a test's clicks open, and records what each box showed.
// Usage:
//   ModalBoxProbe probe;
//   QTest::mouseClick(button, Qt::LeftButton);   // the box's own event loop runs the probe
//   QCOMPARE(probe.seen().size(), 1);
#pragma once

#include <QDialog>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

namespace kvo::test {

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
  int buttonCount;  // all buttons, including any that are not standard ones
  QStringList buttonTexts;
};

class ModalBoxProbe : public QObject {
 public:
  // `whileShown` runs while each box is open, before it is answered, e.g. to check that the
  // window has not changed yet.
  explicit ModalBoxProbe(std::function<void()> whileShown = {});

  const QList<SeenBox>& seen() const { return seen_; }

  // Message boxes are answered with the button of this text where they have one, else with
  // their escape button.
  void answerWith(const QString& buttonText) { answer_ = buttonText; }
  // Another modal dialog, a file dialog say, goes to `handle`; without one it is rejected.
  void onOtherDialog(std::function<void(QDialog*)> handle) { otherDialog_ = std::move(handle); }
  int otherDialogs() const { return otherDialogs_; }

 private:
  void answerOpenBox();

  QTimer timer_;
  QList<SeenBox> seen_;
  std::function<void()> whileShown_;
  QString answer_;
  std::function<void(QDialog*)> otherDialog_;
  int otherDialogs_ = 0;
};

}  // namespace kvo::test
