#include "main_window/message_box.h"

namespace kvo {

void ShowMessage(QWidget* parent, const QString& title, const QString& text,
                 QMessageBox::Icon icon) {
  QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
  box.setObjectName("messageBox");
  box.exec();
}

}  // namespace kvo
