#include "main_window/window_printing.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>
#include <algorithm>

#include "main_window/window_metrics.h"

namespace kvo {

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

}  // namespace kvo
