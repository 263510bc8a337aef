#include "main_window/window_metrics.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <algorithm>

namespace kvo {
namespace {

constexpr auto kDefaultFamily = "MS Sans Serif";
constexpr int kNarrowestStretch = 75;
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

namespace {

bool CaptionFits(const QLabel* label, const QFont& font) {
  const QFontMetrics metrics(font);
  if (!label->wordWrap()) return metrics.horizontalAdvance(label->text()) <= label->width();
  const QRect room(QPoint(), QSize(label->width(), 10 * label->height()));
  return metrics.boundingRect(room, Qt::TextWordWrap, label->text()).height() <= label->height();
}

}  // namespace

void FitCaption(QLabel* label) {
  QFont font = label->font();
  if (CaptionFits(label, font)) return;
  // Narrow in one step to what the caption's lines need, then in small steps if still short:
  // every new stretch loads a new face, which costs at start-up.
  const QFontMetrics metrics(font);
  const int lines = label->wordWrap() ? std::max(1, label->height() / metrics.lineSpacing()) : 1;
  const int needed = metrics.horizontalAdvance(label->text()) / lines + 1;
  int stretch = std::clamp(100 * label->width() / needed, kNarrowestStretch, 99);
  font.setStretch(stretch);
  while (stretch > kNarrowestStretch && !CaptionFits(label, font)) font.setStretch(--stretch);
  label->setFont(font);
}

}  // namespace kvo
