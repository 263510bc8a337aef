#include "main_window/window_printing.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QWidget>
#include <algorithm>

#include "main_window/message_box.h"
#include "main_window/window_metrics.h"

namespace kvo {
namespace {

constexpr auto kPrintTitle = "Tisk";

void SavePdf(QWidget& window, QWidget& area) {
  // The documents folder where there is one, else the home folder.
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!QDir(folder).exists()) folder = QDir::homePath();
  const QString path = QFileDialog::getSaveFileName(
      &window, "Uložit jako PDF", QDir(folder).filePath("Riziko infarktu.pdf"), "PDF (*.pdf)");
  if (path.isEmpty()) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setDocName(window.windowTitle());
  if (!PrintWidget(area, printer)) {
    ShowMessage(&window, kPrintTitle, QString("Soubor %1 se nepodařilo uložit.").arg(path),
                QMessageBox::Warning);
  }
}

// Many desktops have no printer: the same page can go to a PDF file instead.
void OfferPdf(QWidget& window, QWidget& area) {
  QMessageBox box(QMessageBox::Information, kPrintTitle,
                  "Není nainstalována žádná tiskárna. Okno můžete uložit jako PDF.",
                  QMessageBox::NoButton, &window);
  QPushButton* save = box.addButton("Uložit jako PDF…", QMessageBox::AcceptRole);
  box.setEscapeButton(box.addButton("Zrušit", QMessageBox::RejectRole));
  box.setDefaultButton(save);
  box.exec();
  if (box.clickedButton() == save) SavePdf(window, area);
}

}  // namespace

bool PrintWidget(QWidget& area, QPrinter& printer) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  // One logical pixel is 15 twips, that is 1/96 inch.
  const double naturalScale = printer.resolution() / (1440.0 / kTwipsPerPixel);
  const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
  const double fitScale = std::min(printable.width() / static_cast<double>(area.width()),
                                   printable.height() / static_cast<double>(area.height()));
  const double scale = std::min(naturalScale, fitScale);
  painter.scale(scale, scale);
  area.render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
  return painter.end() && printer.printerState() != QPrinter::Error;
}

void PrintWindow(QWidget& window, QWidget& area) {
  const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
  if (printerInfo.isNull()) {
    OfferPdf(window, area);
    return;
  }
  QPrinter printer(printerInfo, QPrinter::HighResolution);
  printer.setDocName(window.windowTitle());
  if (!PrintWidget(area, printer)) {
    ShowMessage(&window, kPrintTitle,
                QString("Tisk na tiskárnu %1 se nepodařil. Zkontrolujte, zda je tiskárna "
                        "zapnutá a tisková služba běží.")
                    .arg(printerInfo.printerName()),
                QMessageBox::Warning);
  }
}

}  // namespace kvo
