#include "tests/support/modal_box_probe.h"

#include <QAbstractButton>
#include <QApplication>

namespace kvo::test {

ModalBoxProbe::ModalBoxProbe(std::function<void()> whileShown)
    : whileShown_(std::move(whileShown)) {
  timer_.setInterval(1);
  connect(&timer_, &QTimer::timeout, this, &ModalBoxProbe::answerOpenBox);
  timer_.start();
}

void ModalBoxProbe::answerOpenBox() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || !modal->isVisible()) return;
  auto* box = qobject_cast<QMessageBox*>(modal);
  if (box == nullptr) {
    auto* dialog = qobject_cast<QDialog*>(modal);
    if (dialog == nullptr) return;
    ++otherDialogs_;
    if (otherDialog_) {
      otherDialog_(dialog);
    } else {
      dialog->reject();
    }
    return;
  }
  QStringList texts;
  QAbstractButton* chosen = nullptr;
  for (QAbstractButton* button : box->buttons()) {
    texts << button->text();
    if (!answer_.isEmpty() && button->text() == answer_) chosen = button;
  }
  seen_.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                static_cast<int>(box->buttons().size()), texts});
  if (whileShown_) whileShown_();
  // Otherwise the box's escape button when it has one, else its first button.
  if (chosen == nullptr) chosen = box->escapeButton();
  if (chosen == nullptr && !box->buttons().isEmpty()) chosen = box->buttons().first();
  if (chosen != nullptr) {
    chosen->click();
  } else {
    box->done(0);
  }
}

}  // namespace kvo::test
