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
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (box == nullptr || !box->isVisible()) return;
  seen_.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                static_cast<int>(box->buttons().size())});
  if (whileShown_) whileShown_();
  // Answer with the box's escape button when it has one, else its first button.
  QAbstractButton* answer = box->escapeButton();
  if (answer == nullptr && !box->buttons().isEmpty()) answer = box->buttons().first();
  if (answer != nullptr) {
    answer->click();
  } else {
    box->done(0);
  }
}

}  // namespace kvo::test
