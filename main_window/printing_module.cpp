// The printing module: Qt's print support is loaded with it, on the first Tisk.
#include <QtGlobal>

#include "main_window/window_printing.h"

extern "C" Q_DECL_EXPORT void KvoPrintWindow(QWidget* window, QWidget* area) {
  kvo::PrintWindow(*window, *area);
}
