// The program's modal message box: a title, a text and an OK button only.
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace kvo {

void ShowMessage(QWidget* parent, const QString& title, const QString& text,
                 QMessageBox::Icon icon = QMessageBox::NoIcon);

}  // namespace kvo
