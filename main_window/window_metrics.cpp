#include "main_window/window_metrics.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>

namespace kvo {
namespace {

constexpr auto kDefaultFamily = "MS Sans Serif";
// Debian's fonts-wine ships "MS Sans Serif" only as bitmaps of 13, 16 and 20 pixels, which
// cannot follow the screen's scale. Its scalable Tahoma is the same design and covers Czech.
constexpr auto kScalableFaces = {"/usr/share/wine/fonts/tahoma.ttf",
                                 "/usr/share/wine/fonts/tahomabd.ttf"};

}  // namespace

void LoadWindowFonts() {
  for (const char* face : kScalableFaces) {
    if (QFile::exists(face)) QFontDatabase::addApplicationFont(face);
  }
}

QFont DefaultWindowFont() {
  QFont font;
  // A scalable "MS Sans Serif" where one is installed, else Tahoma, else a sans family.
  font.setFamilies({kDefaultFamily, "Tahoma", "DejaVu Sans", "Sans Serif"});
  font.setPointSizeF(8.25);
  return font;
}

void FitCaption(QLabel* label) {
  QFont font = label->font();
  const auto fits = [&] {
    const QFontMetrics metrics(font);
    if (!label->wordWrap()) return metrics.horizontalAdvance(label->text()) <= label->width();
    const QRect room(QPoint(), QSize(label->width(), 10 * label->height()));
    return metrics.boundingRect(room, Qt::TextWordWrap, label->text()).height() <= label->height();
  };
  for (int stretch = 100; stretch > 70 && !fits(); stretch -= 2) font.setStretch(stretch - 2);
  label->setFont(font);
}

}  // namespace kvo
